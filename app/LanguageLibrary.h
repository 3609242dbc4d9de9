#pragma once

#include "langlib/Resources.h"

#include <QString>

// Creates the Resources object of the language library whose plugin metadata
// names className ("Tessaly.Resources", "Morvane.Resources"). Only the
// program's own plugin folder is searched, found from the executable's
// location: "langlib" beside it in the build tree, or the installed plugin
// folder under the installation prefix. The library stays loaded and owns the
// object, so the caller never deletes it. On failure the result is null and
// error names the library and the reason.
ResourcesInterface* CreateLanguageObject(const QString& className, QString* error = nullptr);
