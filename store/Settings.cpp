#include "store/Settings.h"

#include "store/RegistryAPI.h"

#include <algorithm>

using RegistryAPI::Root;

namespace {

const QString LoansDisplayedName = QStringLiteral("LoansDisplayed");
const QString TermInMonthsName = QStringLiteral("TermInMonths");
const QString WallpaperName = QStringLiteral("Wallpaper");
const QString WallpaperDirectoryName = QStringLiteral("WallpaperDirectory");
const QString CurrentLanguageName = QStringLiteral("CurrentLanguage");

QVariant readNumber(const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, name,
                                  RegistryAPI::REG_DWORD, 0);
}

QString readText(const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, name,
                                  RegistryAPI::REG_SZ, QString())
        .toString();
}

void writeNumber(const QString& name, const QVariant& value)
{
    RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, name,
                            RegistryAPI::REG_DWORD, value);
}

// An empty text is not kept as a value: the value goes.
void writeTextOrDelete(const QString& name, const QString& text)
{
    if (text.isEmpty())
        RegistryAPI::DeleteValue(Root::CurrentUser, Settings::ProgramKey, name);
    else
        RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, name,
                                RegistryAPI::REG_SZ, text);
}

} // namespace

void Settings::LoadWindowSettings()
{
    // A stored count outside what the options dialog accepts is brought into
    // its range: a damaged value must not ask for thousands of rows.
    const int rows = readNumber(LoansDisplayedName).toInt();
    DisplayedUpperIndex = (rows == 0 ? DefaultRows : std::clamp(rows, MinRows, MaxRows)) - 1;
    TermInMonths = readNumber(TermInMonthsName).toInt() != 0;
    Wallpaper = readText(WallpaperName);
    WallpaperDirectory = readText(WallpaperDirectoryName);
}

qint32 Settings::ReadStartLanguage()
{
    if (!RegistryAPI::KeyExists(Root::CurrentUser, ProgramKey)) {
        RegistryAPI::CreateKey(Root::CurrentUser, ProgramKey);
        return 0;
    }
    return readNumber(CurrentLanguageName).toInt();
}

void Settings::SaveSettings() const
{
    // One unit, so the settings of a run are stored together or not at all.
    RegistryAPI::Transaction transaction;
    writeNumber(LoansDisplayedName, DisplayedUpperIndex + 1);
    writeNumber(CurrentLanguageName, CurrentLanguage);
    writeNumber(TermInMonthsName, TermInMonths);
    writeTextOrDelete(WallpaperName, Wallpaper);
    writeTextOrDelete(WallpaperDirectoryName, WallpaperDirectory);
    transaction.Commit();
}
