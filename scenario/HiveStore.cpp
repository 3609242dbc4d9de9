#include "scenario/HiveStore.h"

#include "scenario/HiveConnection.h"
#include "scenario/HiveFailure.h"
#include "scenario/HiveStatement.h"
#include "scenario/RegistryAPI.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <sqlite3.h>

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
    HiveStatement find(connection.handle(), "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
    find.bind(1, parent).bind(2, fold(name));
    if (!find.step())
        return std::nullopt;
    return find.integer(0);
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
    HiveStatement add(connection.handle(),
                      "INSERT INTO keys(parent, name, fold) VALUES(?1, ?2, ?3)");
    add.bind(1, parent).bind(2, name).bind(3, fold(name)).run();
    return sqlite3_last_insert_rowid(connection.handle());
}

void bindData(HiveStatement& statement, int index, const StoredValue& value)
{
    switch (value.type) {
    case RegistryAPI::REG_SZ:
        statement.bind(index, value.data.toString());
        break;
    case RegistryAPI::REG_DWORD:
        statement.bind(index, qint64(value.data.toInt()));
        break;
    default:
        statement.bind(index, value.data.toByteArray());
        break;
    }
}

StoredValue columnData(const HiveStatement& statement, int typeColumn, int dataColumn)
{
    const int type = int(statement.integer(typeColumn));
    switch (type) {
    case RegistryAPI::REG_SZ:
        return {type, statement.text(dataColumn)};
    case RegistryAPI::REG_DWORD:
        return {type, qint32(statement.integer(dataColumn))};
    default:
        return {type, statement.bytes(dataColumn)};
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
HiveStore::~HiveStore() = default;

HiveStore& HiveStore::instance()
{
    static HiveStore store;
    return store;
}

QString HiveStore::filePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/Zantic Brindlecoft/registry.db");
}

bool HiveStore::keyExists(const QString& path)
{
    const QStringList parts = splitPath(path);
    return run<bool>(Access::Read, [&](HiveConnection& connection) {
               return findKey(connection, parts).has_value();
           }).value_or(false);
}

std::optional<bool> HiveStore::createKey(const QString& path)
{
    const QStringList parts = splitPath(path);
    const bool nameTooLong = std::any_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.size() > MaxKeyNameLength;
    });
    if (nameTooLong)
        return std::nullopt;
    return run<bool>(Access::Write, [&](HiveConnection& connection) {
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

void HiveStore::deleteKey(const QString& path)
{
    const QStringList parts = splitPath(path);
    if (parts.isEmpty())
        return;
    run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement values(connection.handle(), R"sql(
            WITH RECURSIVE doomed(id) AS (
                SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN doomed ON keys.parent = doomed.id)
            DELETE FROM hive_values WHERE key IN (SELECT id FROM doomed))sql");
        values.bind(1, *id).run();
        HiveStatement keys(connection.handle(), R"sql(
            WITH RECURSIVE doomed(id) AS (
                SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN doomed ON keys.parent = doomed.id)
            DELETE FROM keys WHERE id IN (SELECT id FROM doomed))sql");
        keys.bind(1, *id).run();
        return true;
    });
}

HiveStore::Lookup HiveStore::readValue(const QString& path, const QString& name)
{
    const QStringList parts = splitPath(path);
    return run<Lookup>(Access::Read, [&](HiveConnection& connection) {
               Lookup lookup;
               const std::optional<qint64> id = findKey(connection, parts);
               lookup.keyFound = id.has_value();
               if (!id)
                   return lookup;
               HiveStatement read(connection.handle(),
                                  "SELECT type, data FROM hive_values WHERE key = ?1 AND fold = ?2");
               read.bind(1, *id).bind(2, fold(name));
               if (read.step())
                   lookup.value = columnData(read, 0, 1);
               return lookup;
           }).value_or(Lookup());
}

void HiveStore::writeValue(const QString& path, const QString& name, const StoredValue& value)
{
    const QStringList parts = splitPath(path);
    run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement write(connection.handle(), R"sql(
            INSERT INTO hive_values(key, name, fold, type, data) VALUES(?1, ?2, ?3, ?4, ?5)
            ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data)sql");
        write.bind(1, *id).bind(2, name).bind(3, fold(name)).bind(4, qint64(value.type));
        bindData(write, 5, value);
        write.run();
        return true;
    });
}

void HiveStore::deleteValue(const QString& path, const QString& name)
{
    const QStringList parts = splitPath(path);
    run<bool>(Access::Write, [&](HiveConnection& connection) {
        const std::optional<qint64> id = findKey(connection, parts);
        if (!id)
            return false;
        HiveStatement remove(connection.handle(),
                             "DELETE FROM hive_values WHERE key = ?1 AND fold = ?2");
        remove.bind(1, *id).bind(2, fold(name)).run();
        return true;
    });
}

std::optional<QStringList> HiveStore::listSubKeys(const QString& path)
{
    const QStringList parts = splitPath(path);
    return run<std::optional<QStringList>>(Access::Read, [&](HiveConnection& connection) {
               std::optional<QStringList> names;
               const std::optional<qint64> id = findKey(connection, parts);
               if (!id)
                   return names;
               HiveStatement list(connection.handle(),
                                  "SELECT name FROM keys WHERE parent = ?1 ORDER BY fold LIMIT ?2");
               list.bind(1, *id).bind(2, MaxListedSubKeys);
               names.emplace();
               while (list.step())
                   names->append(list.text(0));
               return names;
           }).value_or(std::nullopt);
}

bool HiveStore::beginTransaction()
{
    if (transactionDepth > 0) {
        ++transactionDepth;
        return true;
    }
    transactionDoomed = false;
    startTransaction();
    if (!transaction)
        return false;
    transactionDepth = 1;
    return true;
}

bool HiveStore::endTransaction(bool commit)
{
    transactionDoomed = transactionDoomed || !commit;
    if (--transactionDepth > 0)
        return true;
    // The file is closed, and its lock given up, whatever the outcome.
    const std::unique_ptr<HiveConnection> connection = std::move(transaction);
    if (!connection || transactionDoomed)
        return false;
    try {
        connection->exec("COMMIT");
        return true;
    } catch (const HiveFailure&) {
        connection->rollback();
        return false;
    }
}

QString HiveStore::takeMovedAsidePath()
{
    return std::exchange(movedAsidePath, QString());
}

template <typename Result, typename Body>
std::optional<Result> HiveStore::run(Access access, Body&& body)
{
    if (transactionDepth > 0) {
        try {
            return runInTransaction<Result>(body);
        } catch (const HiveFailure& failure) {
            // A unit missing one of its operations is not the unit the caller
            // asked for: nothing of it is stored.
            if (failure.isDamage())
                abandonTransaction();
            else
                transactionDoomed = true;
            return std::nullopt;
        }
    }
    // One retry, on a new hive, after a damaged file has been moved aside.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            return runAlone<Result>(access, body);
        } catch (const HiveFailure& failure) {
            if (!failure.isDamage() || !moveAside(filePath()))
                return std::nullopt;
        }
    }
    return std::nullopt;
}

template <typename Result, typename Body>
Result HiveStore::runAlone(Access access, Body& body)
{
    const std::unique_ptr<HiveConnection> connection = open();
    // A writer takes the write lock up front: upgrading a read transaction
    // later could fail at once instead of waiting for the other writer.
    connection->exec(access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN");
    try {
        Result result = body(*connection);
        connection->exec("COMMIT");
        return result;
    } catch (...) {
        connection->rollback();
        throw;
    }
}

template <typename Result, typename Body>
Result HiveStore::runInTransaction(Body& body)
{
    if (!transaction)
        throw HiveFailure(SQLITE_ABORT, "the transaction could not start");
    // A failing operation takes back only its own changes; the scope decides
    // about the rest.
    transaction->exec("SAVEPOINT operation");
    try {
        Result result = body(*transaction);
        transaction->exec("RELEASE operation");
        return result;
    } catch (...) {
        sqlite3_exec(transaction->handle(), "ROLLBACK TO operation; RELEASE operation",
                     nullptr, nullptr, nullptr);
        throw;
    }
}

std::unique_ptr<HiveConnection> HiveStore::open()
{
    const QString file = filePath();
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        throw HiveFailure(SQLITE_CANTOPEN, "no configuration folder for the hive");
    auto connection = std::make_unique<HiveConnection>(file);
    // Damage is looked for once per run, before anything is written to the file.
    if (!checkedFiles.contains(file)) {
        connection->checkIntegrity();
        checkedFiles.insert(file);
    }
    return connection;
}

void HiveStore::startTransaction()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            std::unique_ptr<HiveConnection> connection = open();
            connection->exec("BEGIN IMMEDIATE");
            transaction = std::move(connection);
            return;
        } catch (const HiveFailure& failure) {
            if (!failure.isDamage() || !moveAside(filePath()))
                return;
        }
    }
}

void HiveStore::abandonTransaction()
{
    // The unit's work so far lived in the damaged file. Storing only the rest
    // of it in a new hive would break the unit, so the rest fails too.
    transaction.reset();
    transactionDoomed = true;
    moveAside(filePath());
}

bool HiveStore::moveAside(const QString& file)
{
    // Only one copy of the program moves the file; the others find it gone.
    QLockFile guard(file + QStringLiteral(".lock"));
    if (!guard.tryLock(MoveAsideWaitMs))
        return false;
    checkedFiles.remove(file);
    if (!HiveConnection::isDamaged(file))
        return true;
    const QString target = damagedName(file);
    if (!QFile::rename(file, target))
        return false;
    // The log and index of the damaged file belong to it: left behind they
    // would be replayed into the new hive.
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")})
        QFile::rename(file + suffix, target + suffix);
    movedAsidePath = target;
    return true;
}
