#pragma once

#include <QStringList>

// Where the program's own files are: in a folder beside the program in the
// build tree, or in a folder under the installation prefix once installed,
// both found from the running program's location.
class ProgramFolders
{
public:
    // The folder beside the program first (the program's own folder when
    // besideProgram is empty), then the installed one; installed is
    // relative to the prefix.
    static QStringList Of(const QString& besideProgram, const QString& installed);
};
