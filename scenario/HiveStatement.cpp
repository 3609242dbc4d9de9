#include "scenario/HiveStatement.h"

#include "scenario/HiveFailure.h"

#include <sqlite3.h>

HiveStatement::HiveStatement(sqlite3* db, const char* sql)
    : db(db)
{
    check(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr));
}

HiveStatement::~HiveStatement()
{
    sqlite3_finalize(statement);
}

HiveStatement& HiveStatement::bind(int index, qint64 number)
{
    check(sqlite3_bind_int64(statement, index, number));
    return *this;
}

HiveStatement& HiveStatement::bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    check(sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

HiveStatement& HiveStatement::bind(int index, const QByteArray& bytes)
{
    // An empty array must stay an empty blob: a null pointer would bind NULL.
    if (bytes.isEmpty())
        check(sqlite3_bind_zeroblob(statement, index, 0));
    else
        check(sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()),
                                SQLITE_TRANSIENT));
    return *this;
}

bool HiveStatement::step()
{
    const int result = sqlite3_step(statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    check(result);
    return false;
}

void HiveStatement::run()
{
    while (step()) {
    }
}

qint64 HiveStatement::integer(int column) const
{
    return sqlite3_column_int64(statement, column);
}

QString HiveStatement::text(int column) const
{
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(statement, column));
}

QByteArray HiveStatement::bytes(int column) const
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return QByteArray(data, sqlite3_column_bytes(statement, column));
}

void HiveStatement::check(int resultCode) const
{
    if (resultCode != SQLITE_OK)
        throw HiveFailure(resultCode, sqlite3_errmsg(db));
}
