#include "store/HiveStore.h"

#include "store/HiveConnection.h"
#include "store/HiveFailure.h"
#include "store/HiveStatement.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 RootKeyId = 1;
// The registry's limit for one key name; it also keeps every name inside the
// 260-character buffer that enumerating subkeys uses.
constexpr qsizetype MaxKeyNameLength = 255;
// Enumerating subkeys stops at this many names.
constexpr qint64 MaxListedSubKeys = 1000000;
constexpr int MoveAsideWaitMs = 10000;

QStringList splitPath(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The registry compares names by their upper-case form, one character at a
// time, so "a_b" sorts after "AB" and "ß" stays distinct from "SS".
QString fold(const QString& name)
{
    QList<uint> characters = name.toUcs4();
    for (uint& character : characters)
        character = QChar::toUpper(char32_t(character));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             characters.size());
}

std::optional<qint64> findSubKey(HiveConnection& connection, qint64 parent, const QString& name)
{
    HiveStatement find(connection.Handle(), "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
    find.Bind(1, parent).Bind(2, fold(name));
    if (!find.Step())
        return std::nullopt;
    return find.Integer(0);
}

std::optional<qint64> findKey(HiveConnection& connection, const QStringList& parts)
{
    std::optional<qint64> id = RootKeyId;
    for (auto part = parts.begin(); id && part != parts.end(); ++part)
        id = findSubKey(connection, *id, *part);
    return id;
}

qint64 addKey(HiveConnection& connection, qint64 parent, const QString& name)
{
    HiveStatement add(connection.Handle(),
                      "INSERT INTO keys(parent, name, fold) VALUES(?1, ?2, ?3)");
    add.Bind(1, parent).Bind(2, name).Bind(3, fold(name)).Run();
    return sqlite3_last_insert_rowid(connection.Handle());
}

void bindData(HiveStatement& statement, int index, const StoredValue& value)
{
    switch (value.Type) {
    case RegistryAPI::REG_SZ:
        statement.Bind(index, value.Data.toString());
        break;
    case RegistryAPI::REG_DWORD:
        statement.Bind(index, qint64(value.Data.toInt()));
        break;
    default:
        statement.Bind(index, value.Data.toByteArray());
        break;
    }
}

StoredValue columnData(const HiveStatement& statement, int typeColumn, int dataColumn)
{
    const int type = int(statement.Integer(typeColumn));
    switch (type) {
    case RegistryAPI::REG_SZ:
        return {type, statement.Text(dataColumn)};
    case RegistryAPI::REG_DWORD:
        return {type, qint32(statement.Integer(dataColumn))};
    default:
        return {type, statement.Bytes(dataColumn)};
    }
}

QString damagedName(const QString& file)
{
    const QString base = file + QStringLiteral(".damaged-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int copy = 2; QFile::exists(name); ++copy)
        name = base + QLatin1Char('-') + QString::number(copy);
    return name;
}

} // namespace

HiveStore::HiveStore() = default;

HiveStore::~HiveStore()
{
    Close();
}

HiveStore& HiveStore::Instance()
{
    static HiveStore store;
    return store;
}

QString HiveStore::FilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/Zantic Brindlecoft/registry.db");
}

bool HiveStore::KeyExists(const QString& path)
{
    const QStringList parts = splitPath(path);
    return Run<bool>(Access::Read, [&](HiveConnection& connection) {
               return findKey(connection, parts).has_value();
           }).value_or(false);
}

std::optional<bool> HiveStore::CreateKey(const QString& path)
{
    const QStringList parts = splitPath(path);
    const bool nameTooLong = std::any_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.size() > MaxKeyNameLength;
    });
    if (nameTooLong)
        return std::nullopt;
    return Run<bool>(Access::Write, [&](HiveConnection& connection) {
        bool existed = true;
        qint64 id = RootKeyId;
        for (const QString& part : parts) {
            if (const std::optional<qint64> found = findSubKey(connection, id, part)) {
                id = *found;
            } else {
                id = addKey(connection, id, part);
                existed = false;
            }
        }
        return existed;
    });
}

void HiveStore::DeleteKey(const QString& path)
{
    const QStringList parts = splitPath(path);
    if (parts.isEmpty())
        return;
    Run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement values(connection.Handle(), R"sql(
            WITH RECURSIVE doomed(id) AS (
                SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN doomed ON keys.parent = doomed.id)
            DELETE FROM hive_values WHERE key IN (SELECT id FROM doomed))sql");
        values.Bind(1, *id).Run();
        HiveStatement keys(connection.Handle(), R"sql(
            WITH RECURSIVE doomed(id) AS (
                SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN doomed ON keys.parent = doomed.id)
            DELETE FROM keys WHERE id IN (SELECT id FROM doomed))sql");
        keys.Bind(1, *id).Run();
        return true;
    });
}

HiveStore::Lookup HiveStore::ReadValue(const QString& path, const QString& name)
{
    const QStringList parts = splitPath(path);
    return Run<Lookup>(Access::Read, [&](HiveConnection& connection) {
               Lookup lookup;
               const std::optional<qint64> id = findKey(connection, parts);
               lookup.KeyFound = id.has_value();
               if (!id)
                   return lookup;
               HiveStatement read(connection.Handle(),
                                  "SELECT type, data FROM hive_values WHERE key = ?1 AND fold = ?2");
               read.Bind(1, *id).Bind(2, fold(name));
               if (read.Step())
                   lookup.Value = columnData(read, 0, 1);
               return lookup;
           }).value_or(Lookup());
}

void HiveStore::WriteValue(const QString& path, const QString& name, const StoredValue& value)
{
    const QStringList parts = splitPath(path);
    Run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement write(connection.Handle(), R"sql(
            INSERT INTO hive_values(key, name, fold, type, data) VALUES(?1, ?2, ?3, ?4, ?5)
            ON CONFLICT(key, fold) DO UPDATE SET type = excluded.Type, data = excluded.Data)sql");
        write.Bind(1, *id).Bind(2, name).Bind(3, fold(name)).Bind(4, qint64(value.Type));
        bindData(write, 5, value);
        write.Run();
        return true;
    });
}

void HiveStore::DeleteValue(const QString& path, const QString& name)
{
    const QStringList parts = splitPath(path);
    Run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement remove(connection.Handle(),
                             "DELETE FROM hive_values WHERE key = ?1 AND fold = ?2");
        remove.Bind(1, *id).Bind(2, fold(name)).Run();
        return true;
    });
}

std::optional<QStringList> HiveStore::ListSubKeys(const QString& path)
{
    const QStringList parts = splitPath(path);
    return Run<std::optional<QStringList>>(Access::Read, [&](HiveConnection& connection) {
               std::optional<QStringList> names;
               const std::optional<qint64> id = findKey(connection, parts);
               if (!id)
                   return names;
               HiveStatement list(connection.Handle(),
                                  "SELECT name FROM keys WHERE parent = ?1 ORDER BY fold LIMIT ?2");
               list.Bind(1, *id).Bind(2, MaxListedSubKeys);
               names.emplace();
               while (list.Step())
                   names->append(list.Text(0));
               return names;
           }).value_or(std::nullopt);
}

bool HiveStore::BeginTransaction()
{
    if (m_transactionDepth > 0) {
        ++m_transactionDepth;
        return true;
    }
    m_transactionDoomed = false;
    StartTransaction();
    if (!m_transaction)
        return false;
    m_transactionDepth = 1;
    return true;
}

bool HiveStore::EndTransaction(bool commit)
{
    m_transactionDoomed = m_transactionDoomed || !commit;
    if (--m_transactionDepth > 0)
        return true;
    // The lock is given up whatever the outcome.
    HiveConnection* const connection = std::exchange(m_transaction, nullptr);
    if (!connection)
        return false;
    if (m_transactionDoomed) {
        connection->Rollback();
        Settle(*connection, Access::Read);
        return false;
    }
    try {
        connection->Exec("COMMIT");
        Settle(*connection, Access::Write);
        return true;
    } catch (const HiveFailure&) {
        connection->Rollback();
        Close();
        return false;
    }
}

QString HiveStore::TakeMovedAsidePath()
{
    return std::exchange(m_movedAsidePath, QString());
}

template <typename Result, typename Body>
std::optional<Result> HiveStore::Run(Access access, Body&& body)
{
    if (m_transactionDepth > 0) {
        try {
            return RunInTransaction<Result>(body);
        } catch (const HiveFailure& failure) {
            // A unit missing one of its operations is not the unit the caller
            // asked for: nothing of it is stored.
            if (failure.IsDamage())
                AbandonTransaction();
            else
                m_transactionDoomed = true;
            return std::nullopt;
        }
    }
    // One retry, on a new hive, after a damaged file has been moved aside.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            return RunAlone<Result>(access, body);
        } catch (const HiveFailure& failure) {
            if (!failure.IsDamage() || !MoveAside(FilePath()))
                return std::nullopt;
        }
    }
    return std::nullopt;
}

template <typename Result, typename Body>
Result HiveStore::RunAlone(Access access, Body& body)
{
    HiveConnection& connection = Open();
    try {
        // A writer takes the write lock up front: upgrading a read
        // transaction later could fail at once instead of waiting for the
        // other writer.
        connection.Exec(access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN");
        Result result = body(connection);
        connection.Exec("COMMIT");
        Settle(connection, access);
        return result;
    } catch (...) {
        // After a failure the file is opened anew, as a fresh start would.
        connection.Rollback();
        Close();
        throw;
    }
}

template <typename Result, typename Body>
Result HiveStore::RunInTransaction(Body& body)
{
    if (!m_transaction)
        throw HiveFailure(SQLITE_ABORT, "the m_transaction could not start");
    // A failing operation takes back only its own changes; the scope decides
    // about the rest.
    m_transaction->Exec("SAVEPOINT operation");
    try {
        Result result = body(*m_transaction);
        m_transaction->Exec("RELEASE operation");
        return result;
    } catch (...) {
        sqlite3_exec(m_transaction->Handle(), "ROLLBACK TO operation; RELEASE operation",
                     nullptr, nullptr, nullptr);
        throw;
    }
}

std::optional<HiveStore::FileIdentity> HiveStore::IdentityOf(const QString& file)
{
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

HiveConnection& HiveStore::Open()
{
    const QString file = FilePath();
    // The configuration folder may have changed (tests move it), or the file
    // been moved aside and replaced by another copy of the program.
    if (m_connection && (file != m_connectionFile || IdentityOf(file) != m_connectionIdentity))
        Close();
    if (m_connection) {
        m_connection->FollowBusyWait();
        return *m_connection;
    }
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        throw HiveFailure(SQLITE_CANTOPEN, "no configuration folder for the hive");
    auto connection = std::make_unique<HiveConnection>(file);
    // Damage is looked for once per run, before anything is written to the file.
    if (!m_checkedFiles.contains(file)) {
        connection->CheckIntegrity();
        m_checkedFiles.insert(file);
    }
    m_connection = std::move(connection);
    m_connectionFile = file;
    m_connectionIdentity = IdentityOf(file);
    return *m_connection;
}

void HiveStore::Settle(HiveConnection& connection, Access access)
{
    if (access == Access::Write)
        connection.Checkpoint();
    connection.ForgetPages();
}

void HiveStore::Close()
{
    if (!m_connection)
        return;
    // Closing a connection ends by deleting the log under the file's name;
    // once the file is gone from that name, the log there is someone else's.
    if (IdentityOf(m_connectionFile) != m_connectionIdentity)
        m_connection->LeaveFilesAlone();
    m_transaction = nullptr;
    m_connection.reset();
}

void HiveStore::StartTransaction()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            HiveConnection& connection = Open();
            try {
                connection.Exec("BEGIN IMMEDIATE");
            } catch (const HiveFailure&) {
                Close();
                throw;
            }
            m_transaction = &connection;
            return;
        } catch (const HiveFailure& failure) {
            if (!failure.IsDamage() || !MoveAside(FilePath()))
                return;
        }
    }
}

void HiveStore::AbandonTransaction()
{
    // The unit's work so far lived in the damaged file. Storing only the rest
    // of it in a new hive would break the unit, so the rest fails too.
    Close();
    m_transactionDoomed = true;
    MoveAside(FilePath());
}

bool HiveStore::MoveAside(const QString& file)
{
    // Only one copy of the program moves the file; the others find it gone.
    QLockFile guard(file + QStringLiteral(".lock"));
    if (!guard.tryLock(MoveAsideWaitMs))
        return false;
    Close();
    m_checkedFiles.remove(file);
    if (!HiveConnection::IsDamaged(file))
        return true;
    const QString target = damagedName(file);
    if (!QFile::rename(file, target))
        return false;
    // The log and index of the damaged file belong to it: left behind they
    // would be replayed into the new hive.
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")})
        QFile::rename(file + suffix, target + suffix);
    m_movedAsidePath = target;
    return true;
}
