#pragma once

#include "app/HeapRoom.h"

#include <thread>

// What the first window needs that a second thread can prepare while the main
// thread reads the settings and builds the controls. Made right after the
// application object:
// - Qt reads the system's font list the first time a text is laid out, which
//   falls on the way to the first window; the thread reads it first, so the
//   main thread finds it ready or nearly so. Qt's font database is safe to
//   use from any thread.
// - Then it backs the heap's room for the window with memory (HeapRoom).
class StartUpWarmUp
{
public:
    StartUpWarmUp();
    // Waits for the thread, long done by then.
    ~StartUpWarmUp();

    StartUpWarmUp(const StartUpWarmUp&) = delete;
    StartUpWarmUp& operator=(const StartUpWarmUp&) = delete;

private:
    const HeapRoom m_room;
    std::thread m_worker;
};
