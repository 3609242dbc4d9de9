#pragma once

#include "app/Loan.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

// The main windows Main() opened, found the way the program itself finds
// them: by their name among the top-level windows.
inline Loan* StartedWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* loan = qobject_cast<Loan*>(window))
            return loan;
    }
    return nullptr;
}

// Closed windows delete themselves later; this is later.
inline void DeleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void DeleteAllWindows()
{
    while (Loan* window = StartedWindow())
        delete window;
}
