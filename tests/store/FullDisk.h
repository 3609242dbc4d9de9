#pragma once

#include "store/HiveStore.h"

#include <sqlite3.h>
#include <sys/resource.h>

#include <csignal>

// While this lives, every write into a file fails as on a full disk: the
// process may not write past the first byte of any file. Pipes, where the
// test output goes, are not affected.
//
// A second connection keeps the hive's log and index files open, as another
// running copy of the program would, so that opening the hive needs no write
// and the failure falls on the writes of a commit.
class FullDisk
{
public:
    FullDisk()
    {
        sqlite3_open_v2(HiveStore::FilePath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr);
        sqlite3_exec(db, "SELECT count(*) FROM keys", nullptr, nullptr, nullptr);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit full = saved;
        full.rlim_cur = 1;
        // A write past the limit fails instead of ending the process.
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
    }

    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        sqlite3_close_v2(db);
    }

    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    sqlite3* db = nullptr;
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};
