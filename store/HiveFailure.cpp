#include "store/HiveFailure.h"

#include <sqlite3.h>

HiveFailure::HiveFailure(int resultCode, const std::string& message)
    : std::runtime_error(message)
    , m_code(resultCode)
{
}

bool HiveFailure::IsDamage() const
{
    const int primary = m_code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

HiveFailure HiveFailure::ForeignFile()
{
    return HiveFailure(SQLITE_NOTADB, "the file holds no hive of this program");
}
