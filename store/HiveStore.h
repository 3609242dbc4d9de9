#pragma once

#include "store/StoredValue.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class HiveConnection;

// The current user's registry hive kept in one SQLite file in the user's
// configuration folder. Each operation does its work in one transaction of
// its own and holds no lock after it, so no other copy of the program is kept
// waiting between calls; inside a transaction scope the file stays
// write-locked until the unit ends. The file is opened once for the run, as
// opening it is most of what one operation costs; but each operation reads it
// afresh, so it sees what other processes did and any damage done meanwhile,
// and a file moved away or replaced since is let go and the one now under
// the hive's name opened. Key and value names compare without regard to case
// and keep the case they were created with.
//
// Used from the user-interface thread only, like the registry it stands for.
class HiveStore
{
public:
    struct Lookup
    {
        bool KeyFound = false;
        std::optional<StoredValue> Value;
    };

    static HiveStore& Instance();
    static QString FilePath();

    bool KeyExists(const QString& path);
    // Whether the key was there already; nothing when it could not be made.
    std::optional<bool> CreateKey(const QString& path);
    void DeleteKey(const QString& path);
    Lookup ReadValue(const QString& path, const QString& name);
    void WriteValue(const QString& path, const QString& name, const StoredValue& value);
    void DeleteValue(const QString& path, const QString& name);
    // Names of the direct subkeys in case-insensitive order; nothing when the
    // key cannot be opened.
    std::optional<QStringList> ListSubKeys(const QString& path);

    // Enters a transaction scope. False when the outermost scope cannot open
    // and write-lock the hive (another process held it past the wait); the
    // scope is then not entered.
    bool BeginTransaction();
    // Leaves a scope. The outermost one ends the unit: stored when commit is
    // asked for and no scope of it failed, rolled back otherwise. False when
    // the unit ended without being stored.
    bool EndTransaction(bool commit);

    // Where a damaged hive file was last moved to; cleared by reading it.
    QString TakeMovedAsidePath();

private:
    enum class Access { Read, Write };

    HiveStore();
    ~HiveStore();

    template <typename Result, typename Body>
    std::optional<Result> Run(Access access, Body&& body);
    template <typename Result, typename Body>
    Result RunAlone(Access access, Body& body);
    template <typename Result, typename Body>
    Result RunInTransaction(Body& body);

    struct FileIdentity
    {
        quint64 Device = 0;
        quint64 Inode = 0;
        bool operator==(const FileIdentity& other) const
        {
            return Device == other.Device && Inode == other.Inode;
        }
        bool operator!=(const FileIdentity& other) const { return !(*this == other); }
    };
    static std::optional<FileIdentity> IdentityOf(const QString& file);

    HiveConnection& Open();
    // After the work of an operation or a unit: nothing of the file is kept
    // in memory, and what was written is in the file itself.
    void Settle(HiveConnection& connection, Access access);
    void Close();
    void StartTransaction();
    void AbandonTransaction();
    bool MoveAside(const QString& file);

    std::unique_ptr<HiveConnection> m_connection;
    QString m_connectionFile;
    std::optional<FileIdentity> m_connectionIdentity;
    HiveConnection* m_transaction = nullptr;
    int m_transactionDepth = 0;
    bool m_transactionDoomed = false;
    QString m_movedAsidePath;
    QSet<QString> m_checkedFiles;
};
