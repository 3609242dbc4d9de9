#include "scenario/HiveConnection.h"

#include "scenario/HiveFailure.h"
#include "scenario/HiveStatement.h"

#include <QDeadlineTimer>
#include <QFile>

#include <sqlite3.h>

namespace {

// Marks the file as this program's hive, so a database of any other origin
// found under the hive's name is recognised and kept aside, never reused.
constexpr qint64 HiveApplicationId = 0x4C6E4876; // "LnHv"
constexpr qint64 HiveLayoutVersion = 1;
constexpr int BusyRetryMs = 5;
int busyWaitMs = HiveConnection::DefaultBusyWaitMs;

const char* const HiveTables = R"sql(
CREATE TABLE keys(
    id     INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id),
    name   TEXT NOT NULL,
    fold   TEXT NOT NULL,
    UNIQUE(parent, fold));
CREATE TABLE hive_values(
    key   INTEGER NOT NULL REFERENCES keys(id),
    name  TEXT NOT NULL,
    fold  TEXT NOT NULL,
    type  INTEGER NOT NULL,
    data  NOT NULL,
    PRIMARY KEY(key, fold)) WITHOUT ROWID;
INSERT INTO keys(id, parent, name, fold) VALUES(1, NULL, '', '');
)sql";

} // namespace

HiveConnection::HiveConnection(const QString& file)
{
    // SQLite takes file names in UTF-8 on every system.
    const int opened = sqlite3_open_v2(file.toUtf8().constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                           | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    if (opened != SQLITE_OK) {
        const HiveFailure failure(opened, db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close_v2(db);
        throw failure;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyWaitMs);
    try {
        exec("PRAGMA synchronous = FULL");
        prepareTables();
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
}

HiveConnection::~HiveConnection()
{
    sqlite3_close_v2(db);
}

sqlite3* HiveConnection::handle() const
{
    return db;
}

void HiveConnection::exec(const char* sql)
{
    const int result = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        throw HiveFailure(result, sqlite3_errmsg(db));
}

void HiveConnection::exec(const QByteArray& sql)
{
    exec(sql.constData());
}

void HiveConnection::rollback() noexcept
{
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void HiveConnection::checkIntegrity()
{
    HiveStatement check(db, "PRAGMA quick_check(1)");
    if (!check.step() || check.text(0) != QLatin1String("ok"))
        throw HiveFailure(SQLITE_CORRUPT, "the hive failed its integrity check");
}

bool HiveConnection::isDamaged(const QString& file)
{
    if (!QFile::exists(file))
        return false;
    try {
        HiveConnection connection(file);
        connection.checkIntegrity();
        return false;
    } catch (const HiveFailure& failure) {
        return failure.isDamage();
    }
}

void HiveConnection::setBusyWait(int milliseconds)
{
    busyWaitMs = milliseconds;
}

qint64 HiveConnection::pragmaNumber(const char* sql)
{
    HiveStatement pragma(db, sql);
    return pragma.step() ? pragma.integer(0) : 0;
}

bool HiveConnection::hasTables()
{
    HiveStatement tables(db, "SELECT count(*) FROM sqlite_master");
    return tables.step() && tables.integer(0) > 0;
}

void HiveConnection::prepareTables()
{
    const qint64 applicationId = pragmaNumber("PRAGMA application_id");
    if (applicationId == HiveApplicationId) {
        // A hive laid out by a later version of the program is left alone.
        if (pragmaNumber("PRAGMA user_version") != HiveLayoutVersion)
            throw HiveFailure(SQLITE_CANTOPEN, "the hive has an unknown layout");
        return;
    }
    if (applicationId != 0 || hasTables())
        throw HiveFailure::foreignFile();
    createTables();
}

void HiveConnection::createTables()
{
    switchToWriteAheadLog();
    exec("BEGIN IMMEDIATE");
    try {
        // Another copy of the program may have started the hive meanwhile.
        const qint64 applicationId = pragmaNumber("PRAGMA application_id");
        if (applicationId == HiveApplicationId) {
            exec("COMMIT");
            return;
        }
        if (applicationId != 0 || hasTables())
            throw HiveFailure::foreignFile();
        exec(HiveTables);
        exec(QByteArray("PRAGMA application_id = " + QByteArray::number(HiveApplicationId)));
        exec(QByteArray("PRAGMA user_version = " + QByteArray::number(HiveLayoutVersion)));
        exec("COMMIT");
    } catch (...) {
        rollback();
        throw;
    }
}

void HiveConnection::switchToWriteAheadLog()
{
    // The journal mode cannot change inside a transaction, and SQLite does not
    // wait for a lock here: when another copy is starting the hive at the same
    // moment it answers "busy" at once, so the wait is done by hand.
    QDeadlineTimer deadline(busyWaitMs);
    for (;;) {
        const int result = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        if (result == SQLITE_OK)
            return;
        if ((result & 0xff) != SQLITE_BUSY || deadline.hasExpired())
            throw HiveFailure(result, sqlite3_errmsg(db));
        sqlite3_sleep(BusyRetryMs);
    }
}
