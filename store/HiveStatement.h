#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQL statement of the hive store; any failure throws
// HiveFailure with SQLite's result code.
class HiveStatement
{
public:
    HiveStatement(sqlite3* db, const char* sql);
    ~HiveStatement();
    HiveStatement(const HiveStatement&) = delete;
    HiveStatement& operator=(const HiveStatement&) = delete;

    HiveStatement& Bind(int index, qint64 number);
    HiveStatement& Bind(int index, const QString& text);
    HiveStatement& Bind(int index, const QByteArray& bytes);

    // Advances to the next row; false when the statement has finished.
    bool Step();
    void Run();

    qint64 Integer(int column) const;
    QString Text(int column) const;
    QByteArray Bytes(int column) const;

private:
    void Check(int resultCode) const;

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};
