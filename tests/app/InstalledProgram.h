#pragma once

// Checks shared by the tests of an installed tree, whether `cmake --install`
// or the Debian package laid it out: the desktop entry, and the installed
// program started as a new user in each language.

#include <QString>

#include <map>

namespace InstalledProgram {

// The keys and values of a desktop entry; empty when it cannot be read.
std::map<QString, QString> DesktopEntry(const QString& path);

// The Exec key's program, without the quotes a path with spaces needs.
QString ExecProgram(const std::map<QString, QString>& entry);

// The menu entry under <prefix>/share/applications names the program and
// its icon, and the icon is where the desktop looks for it.
void VerifyDesktopEntryAndIcon(const QString& prefix);

// Rows of language, plugin and help file for StartsWithLanguageAndHelp.
void AddLanguageRows();

// Starts <prefix>/bin/Loan offscreen as a user whose language is the row's,
// from an unrelated folder, and checks it loads that language's plugin and
// help from <prefix> and nothing from the build folder.
void VerifyStartsWithLanguageAndHelp(const QString& prefix);

} // namespace InstalledProgram
