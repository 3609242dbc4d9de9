#pragma once

#include <QDate>
#include <QTemporaryDir>

// Every test case starts as a user who has never run the program: empty
// configuration and cache folders, no language chosen, a fixed today, a pinned locale,
// and message boxes answered by the test instead of waiting on screen.
class FreshStart
{
public:
    static const QDate Today;

    explicit FreshStart(const char* locale = "en_US");

private:
    QTemporaryDir m_config;
};
