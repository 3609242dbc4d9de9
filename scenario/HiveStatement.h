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

    HiveStatement& bind(int index, qint64 number);
    HiveStatement& bind(int index, const QString& text);
    HiveStatement& bind(int index, const QByteArray& bytes);

    // Advances to the next row; false when the statement has finished.
    bool step();
    void run();

    qint64 integer(int column) const;
    QString text(int column) const;
    QByteArray bytes(int column) const;

private:
    void check(int resultCode) const;

    sqlite3* db;
    sqlite3_stmt* statement = nullptr;
};
