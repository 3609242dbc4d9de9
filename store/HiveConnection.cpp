#include "store/HiveConnection.h"

#include "store/HiveFailure.h"
#include "store/HiveStatement.h"

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

// By default each connection's page cache starts with one block for many
// pages and writes into every slot of it, some hundred kilobytes, before it
// has read a page. The hive is a few pages, and that block was most of the
// memory SQLite touched at start-up, so the cache takes pages one at a time
// as it needs them. The setting is the process's and holds only when made
// before SQLite starts; if something else started it first, it keeps its
// default.
void TakeCachePagesSingly()
{
    [[maybe_unused]] static const int once = sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
}

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
    TakeCachePagesSingly();
    // SQLite takes file names in UTF-8 on every system.
    const int opened = sqlite3_open_v2(file.toUtf8().constData(), &m_db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                           | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    if (opened != SQLITE_OK) {
        const HiveFailure failure(opened, m_db ? sqlite3_errmsg(m_db) : "out of memory");
        sqlite3_close_v2(m_db);
        throw failure;
    }
    sqlite3_extended_result_codes(m_db, 1);
    FollowBusyWait();
    try {
        Exec("PRAGMA synchronous = FULL");
        PrepareTables();
    } catch (...) {
        sqlite3_close_v2(m_db);
        throw;
    }
}

HiveConnection::~HiveConnection()
{
    sqlite3_close_v2(m_db);
}

sqlite3* HiveConnection::Handle() const
{
    return m_db;
}

void HiveConnection::Exec(const char* sql)
{
    const int result = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK)
        throw HiveFailure(result, sqlite3_errmsg(m_db));
}

void HiveConnection::Exec(const QByteArray& sql)
{
    Exec(sql.constData());
}

void HiveConnection::Rollback() noexcept
{
    if (!sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void HiveConnection::CheckIntegrity()
{
    HiveStatement check(m_db, "PRAGMA quick_check(1)");
    if (!check.Step() || check.Text(0) != QLatin1String("ok"))
        throw HiveFailure(SQLITE_CORRUPT, "the hive failed its integrity check");
}

void HiveConnection::Checkpoint() noexcept
{
    sqlite3_busy_timeout(m_db, 0);
    sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_busy_timeout(m_db, m_busyWaitMs);
}

void HiveConnection::ForgetPages() noexcept
{
    sqlite3_db_release_memory(m_db);
}

void HiveConnection::LeaveFilesAlone() noexcept
{
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

bool HiveConnection::IsDamaged(const QString& file)
{
    if (!QFile::exists(file))
        return false;
    try {
        HiveConnection connection(file);
        connection.CheckIntegrity();
        return false;
    } catch (const HiveFailure& failure) {
        return failure.IsDamage();
    }
}

void HiveConnection::SetBusyWait(int milliseconds)
{
    busyWaitMs = milliseconds;
}

void HiveConnection::FollowBusyWait() noexcept
{
    if (m_busyWaitMs == busyWaitMs)
        return;
    m_busyWaitMs = busyWaitMs;
    sqlite3_busy_timeout(m_db, m_busyWaitMs);
}

qint64 HiveConnection::PragmaNumber(const char* sql)
{
    HiveStatement pragma(m_db, sql);
    return pragma.Step() ? pragma.Integer(0) : 0;
}

bool HiveConnection::HasTables()
{
    HiveStatement tables(m_db, "SELECT count(*) FROM sqlite_master");
    return tables.Step() && tables.Integer(0) > 0;
}

void HiveConnection::PrepareTables()
{
    const qint64 applicationId = PragmaNumber("PRAGMA application_id");
    if (applicationId == HiveApplicationId) {
        // A hive laid out by a later version of the program is left alone.
        if (PragmaNumber("PRAGMA user_version") != HiveLayoutVersion)
            throw HiveFailure(SQLITE_CANTOPEN, "the hive has an unknown layout");
        return;
    }
    if (applicationId != 0 || HasTables())
        throw HiveFailure::ForeignFile();
    CreateTables();
}

void HiveConnection::CreateTables()
{
    SwitchToWriteAheadLog();
    Exec("BEGIN IMMEDIATE");
    try {
        // Another copy of the program may have started the hive meanwhile.
        const qint64 applicationId = PragmaNumber("PRAGMA application_id");
        if (applicationId == HiveApplicationId) {
            Exec("COMMIT");
            return;
        }
        if (applicationId != 0 || HasTables())
            throw HiveFailure::ForeignFile();
        Exec(HiveTables);
        Exec(QByteArray("PRAGMA application_id = " + QByteArray::number(HiveApplicationId)));
        Exec(QByteArray("PRAGMA user_version = " + QByteArray::number(HiveLayoutVersion)));
        Exec("COMMIT");
    } catch (...) {
        Rollback();
        throw;
    }
}

void HiveConnection::SwitchToWriteAheadLog()
{
    // The journal mode cannot change inside a transaction, and SQLite does not
    // wait for a lock here: when another copy is starting the hive at the same
    // moment it answers "busy" at once, so the wait is done by hand.
    QDeadlineTimer deadline(busyWaitMs);
    for (;;) {
        const int result = sqlite3_exec(m_db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        if (result == SQLITE_OK)
            return;
        if ((result & 0xff) != SQLITE_BUSY || deadline.hasExpired())
            throw HiveFailure(result, sqlite3_errmsg(m_db));
        sqlite3_sleep(BusyRetryMs);
    }
}
