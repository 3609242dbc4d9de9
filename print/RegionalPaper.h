#pragma once

#include <QLocale>
#include <QPageSize>

// The paper a print job starts on: US Letter where the region prints on
// it, the Americas' Letter countries and the Philippines, A4 everywhere
// else. The region is the locale's, not the program's language: a Spanish
// speaker in Mexico prints on Letter, one in Spain on A4.
class RegionalPaper
{
public:
    static QPageSize For(const QLocale& locale);
};
