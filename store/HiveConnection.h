#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;

// One open connection to the hive file. Opening it makes sure the file is a
// hive of this program (starting the tables in a new, empty file) and sets the
// rules every connection shares: write-ahead log, a full sync at each commit,
// and a wait instead of an error while another process holds the write lock.
class HiveConnection
{
public:
    explicit HiveConnection(const QString& file);
    ~HiveConnection();
    HiveConnection(const HiveConnection&) = delete;
    HiveConnection& operator=(const HiveConnection&) = delete;

    sqlite3* Handle() const;
    void Exec(const char* sql);
    void Exec(const QByteArray& sql);
    // Ends the open transaction without changes; never throws, so it is safe
    // on every way out of a failed operation.
    void Rollback() noexcept;

    // Reads every page once; damage anywhere in the file is thrown as such.
    void CheckIntegrity();

    // Copies the committed log into the file and empties the log, so that
    // the file alone holds everything stored, as after closing it. It waits
    // for no one: while another process works on the hive the log stays for
    // that process to empty.
    void Checkpoint() noexcept;
    // Forgets the pages read so far: the next transaction reads them from the
    // file again, and finds any damage done to it meanwhile.
    void ForgetPages() noexcept;
    // Closes without touching the files again: for a file that was moved or
    // replaced meanwhile, whose log the name may now give to another file.
    void LeaveFilesAlone() noexcept;

    // Whether the file exists and cannot serve as a hive (garbled, or someone
    // else's database). A busy or unreadable file is not called damaged.
    static bool IsDamaged(const QString& file);

    static constexpr int DefaultBusyWaitMs = 5000;
    // How long connections wait for another process's lock before they give
    // up, from their next FollowBusyWait() on and from their opening; tests
    // shorten it to meet a locked hive fast.
    static void SetBusyWait(int milliseconds);
    void FollowBusyWait() noexcept;

private:
    qint64 PragmaNumber(const char* sql);
    bool HasTables();
    void PrepareTables();
    void CreateTables();
    void SwitchToWriteAheadLog();

    sqlite3* m_db = nullptr;
    int m_busyWaitMs = 0;
};
