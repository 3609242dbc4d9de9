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
    // The collection that registers a help file: beside it, of the same
    // name.
    static QString CollectionOf(const QString& helpFile);
    // Copies the help file and its collection into the collection folder,
    // where the help is used from, without opening either: cheap enough for
    // the start, so that first use finds them in place. A failure is left
    // for the help's own opening to report.
    static void PutInPlace(const QString& helpFile);
    // The help engine writes its search index beside its collection, and
    // the collection finds its help file beside itself, so both are used
    // from a writable copy; a newer installation replaces the copy. False
    // when the copy cannot be made.
    static bool CopyIfChanged(const QString& file, const QString& folder);

    // Tests look for the help files in a folder of their own; an empty
    // folder goes back to the program's.
    static void SetFolder(const QString& folder);
};
