#include "scenario/HiveFailure.h"

#include <sqlite3.h>

HiveFailure::HiveFailure(int resultCode, const std::string& message)
    : std::runtime_error(message), code(resultCode)
{
}

bool HiveFailure::isDamage() const
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

HiveFailure HiveFailure::foreignFile()
{
    return HiveFailure(SQLITE_NOTADB, "the file holds no hive of this program");
}
