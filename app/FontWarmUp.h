#pragma once

#include <thread>

// Qt reads the system's font list the first time a text is laid out, which
// at start-up falls on the way to the first window. Made right after the
// application object, this reads it on a second thread while the settings
// are read and the menus built, so the main thread finds it ready or
// nearly so. Qt's font database is safe to use from any thread.
class FontWarmUp
{
public:
    FontWarmUp();
    // Waits for the reading, long over by then.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread m_reader;
};
