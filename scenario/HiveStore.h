#pragma once

#include "scenario/StoredValue.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class HiveConnection;

// The current user's registry hive kept in one SQLite file in the user's
// configuration folder. Each operation opens the file, does its work in one
// transaction and closes it again, so no other copy of the program is kept
// waiting between calls; inside a transaction scope the file stays open and
// write-locked until the unit ends. Key and value names compare without
// regard to case and keep the case they were created with.
//
// Used from the user-interface thread only, like the registry it stands for.
class HiveStore
{
public:
    struct Lookup
    {
        bool keyFound = false;
        std::optional<StoredValue> value;
    };

    static HiveStore& instance();
    static QString filePath();

    bool keyExists(const QString& path);
    // Whether the key was there already; nothing when it could not be made.
    std::optional<bool> createKey(const QString& path);
    void deleteKey(const QString& path);
    Lookup readValue(const QString& path, const QString& name);
    void writeValue(const QString& path, const QString& name, const StoredValue& value);
    void deleteValue(const QString& path, const QString& name);
    // Names of the direct subkeys in case-insensitive order; nothing when the
    // key cannot be opened.
    std::optional<QStringList> listSubKeys(const QString& path);

    // Enters a transaction scope. False when the outermost scope cannot open
    // and write-lock the hive (another process held it past the wait); the
    // scope is then not entered.
    bool beginTransaction();
    // Leaves a scope. The outermost one ends the unit: stored when commit is
    // asked for and no scope of it failed, rolled back otherwise. False when
    // the unit ended without being stored.
    bool endTransaction(bool commit);

    // Where a damaged hive file was last moved to; cleared by reading it.
    QString takeMovedAsidePath();

private:
    enum class Access { Read, Write };

    HiveStore();
    ~HiveStore();

    template <typename Result, typename Body>
    std::optional<Result> run(Access access, Body&& body);
    template <typename Result, typename Body>
    Result runAlone(Access access, Body& body);
    template <typename Result, typename Body>
    Result runInTransaction(Body& body);

    std::unique_ptr<HiveConnection> open();
    void startTransaction();
    void abandonTransaction();
    bool moveAside(const QString& file);

    std::unique_ptr<HiveConnection> transaction;
    int transactionDepth = 0;
    bool transactionDoomed = false;
    QString movedAsidePath;
    QSet<QString> checkedFiles;
};
