#pragma once

#include "store/HiveConnection.h"
#include "store/HiveStore.h"

#include <sqlite3.h>

// Another copy of the program in the middle of a long save: it holds the
// hive's write lock for as long as this lives. Meanwhile the program waits for
// a lock only briefly, so that the tests meet the locked hive fast.
class HiveLock
{
public:
    static constexpr int ShortWaitMs = 200;

    HiveLock()
    {
        if (sqlite3_open_v2(HiveStore::FilePath().toUtf8().constData(), &db,
                            SQLITE_OPEN_READWRITE, nullptr)
            == SQLITE_OK)
            held = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
        HiveConnection::SetBusyWait(ShortWaitMs);
    }

    ~HiveLock()
    {
        HiveConnection::SetBusyWait(HiveConnection::DefaultBusyWaitMs);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db);
    }

    HiveLock(const HiveLock&) = delete;
    HiveLock& operator=(const HiveLock&) = delete;

    bool isHeld() const { return held; }

private:
    sqlite3* db = nullptr;
    bool held = false;
};
