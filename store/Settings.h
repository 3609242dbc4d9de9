#pragma once

#include <QString>

// The five settings that outlive a run, held in memory for the whole run and
// stored as values of the program key. Everything reads them from here;
// SaveSettings is the only writer.
class Settings
{
public:
    inline static const QString ProgramKey = QStringLiteral("Software\\Zantic Brindlecoft\\Loan");

    static constexpr int DefaultRows = 6;
    static constexpr int MinRows = 2;
    static constexpr int MaxRows = 15;

    // Visible quote rows less one.
    int DisplayedUpperIndex = DefaultRows - 1;
    bool TermInMonths = false;
    QString Wallpaper;
    QString WallpaperDirectory;
    // 0 none chosen yet, 1 English, 2 Spanish.
    qint32 CurrentLanguage = 0;

    // Reads what the main window needs while it loads.
    void LoadWindowSettings();
    // At program start, before any window: the stored language, or 0 when none
    // was chosen; creates the program key on the first start.
    static qint32 ReadStartLanguage();
    void SaveSettings() const;
};
