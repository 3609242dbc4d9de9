#include "store/HiveStatement.h"

#include "store/HiveFailure.h"

#include <sqlite3.h>

HiveStatement::HiveStatement(sqlite3* db, const char* sql)
    : m_db(db)
{
    Check(sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr));
}

HiveStatement::~HiveStatement()
{
    sqlite3_finalize(m_statement);
}

HiveStatement& HiveStatement::Bind(int index, qint64 number)
{
    Check(sqlite3_bind_int64(m_statement, index, number));
    return *this;
}

HiveStatement& HiveStatement::Bind(int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    Check(sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

HiveStatement& HiveStatement::Bind(int index, const QByteArray& bytes)
{
    // An empty array must stay an empty blob: a null pointer would bind NULL.
    if (bytes.isEmpty())
        Check(sqlite3_bind_zeroblob(m_statement, index, 0));
    else
        Check(sqlite3_bind_blob(m_statement, index, bytes.constData(), int(bytes.size()),
                                SQLITE_TRANSIENT));
    return *this;
}

bool HiveStatement::Step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    Check(result);
    return false;
}

void HiveStatement::Run()
{
    while (Step()) {
    }
}

qint64 HiveStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QString HiveStatement::Text(int column) const
{
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(m_statement, column));
}

QByteArray HiveStatement::Bytes(int column) const
{
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    return QByteArray(data, sqlite3_column_bytes(m_statement, column));
}

void HiveStatement::Check(int resultCode) const
{
    if (resultCode != SQLITE_OK)
        throw HiveFailure(resultCode, sqlite3_errmsg(m_db));
}
