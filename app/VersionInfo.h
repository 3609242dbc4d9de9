#pragma once

#include <QString>

// The program's version information, compiled in from the build: what the
// about box shows and the printed report's footer carries.
namespace VersionInfo {

QString ProductName();
// Major, minor and revision: "1.0.0".
QString Version();
QString Comments();
// The legal copyright line.
QString LegalCopyright();

} // namespace VersionInfo
