#pragma once

#include <QString>

// Where the help files are: beside the program in the build tree, or in the
// installed help folder under the installation prefix, both found from the
// running program's own location.
class HelpLocation
{
public:
    // The full path of the help file of that name in the first folder that
    // holds it; beside the program when none does, so a message can name
    // the file the program looked for.
    static QString Path(const QString& fileName);
    // The writable folder that keeps each language's help collection and
    // search index, under the user's cache folder.
    static QString CollectionFolder();

    // Tests look for the help files in a folder of their own; an empty
    // folder goes back to the program's.
    static void SetFolder(const QString& folder);
};
