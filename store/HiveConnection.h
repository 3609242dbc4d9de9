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

    // Whether the file exists and cannot serve as a hive (garbled, or someone
    // else's database). A busy or unreadable file is not called damaged.
    static bool IsDamaged(const QString& file);

    static constexpr int DefaultBusyWaitMs = 5000;
    // How long connections opened from now on wait for another process's
    // lock before they give up; tests shorten it to meet a locked hive fast.
    static void SetBusyWait(int milliseconds);

private:
    qint64 PragmaNumber(const char* sql);
    bool HasTables();
    void PrepareTables();
    void CreateTables();
    void SwitchToWriteAheadLog();

    sqlite3* m_db = nullptr;
};
