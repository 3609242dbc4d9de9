#pragma once

namespace RegistryAPI {

// Makes every registry operation inside its scope one unit: committed whole
// when the scope ends normally, rolled back when it ends by an exception, so
// a crash or failure halfway leaves what was stored before. While it lives it
// holds the hive's write lock; other copies of the program wait for it.
// Scopes nest by joining the outermost one: an exception leaving any of them
// rolls back the whole unit.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    int exceptionsAtStart;
};

} // namespace RegistryAPI
