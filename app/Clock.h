#pragma once

#include <QDate>

// Today's date as the program sees it. Tests fix it so that anything
// counted from today comes out the same on every day.
class Clock
{
public:
    // Day count, 0 being 30 December 1899.
    static double Today();
    static void Set(const QDate& today);
    // Back to the system date.
    static void Reset();
};
