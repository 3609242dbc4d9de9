#pragma once

#include <stdexcept>
#include <string>

// A failed step inside the hive store, carrying SQLite's result code so the
// store can tell a damaged file (to be moved aside) from a passing problem
// such as a database kept busy past the wait.
class HiveFailure : public std::runtime_error
{
public:
    HiveFailure(int resultCode, const std::string& message);

    bool IsDamage() const;

    // A file that is readable but is not a hive of this program.
    static HiveFailure ForeignFile();

private:
    int m_code;
};
