#pragma once

#include "app/Loan.h"
#include "tests/app/FreshStart.h"

#include <QObject>

#include <memory>
#include <optional>

// The start of every window test function: a user who has never run the
// program, with the main window shown, active and in English. A test that
// needs something in place before the window opens, or put back after it
// closes, says so in BeforeWindow and AfterWindow.
class WindowTest : public QObject
{
    Q_OBJECT

protected slots:
    void init();
    // The window goes before the configuration folder it saves into.
    void cleanup();

protected:
    virtual void BeforeWindow() {}
    virtual void AfterWindow() {}
    // A new window on the store as it stands, shown and active.
    void OpenWindow();

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};
