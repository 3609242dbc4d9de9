#pragma once

#include <QString>

// The parts of the program built as modules beside it: the windows that need
// Qt Charts or Qt Help. The program does not link those libraries, so its
// start-up maps none of them; a module is loaded the first time its window is
// wanted, and stays loaded. When loaded, a module registers what it makes
// with the program (a build that links a part in, as the tests do, has it
// registered from the start and loads nothing).
//
// Modules are looked for in the program's own folders only: "modules" beside
// the program in the build tree, or the installed module folder under the
// installation prefix.
class ProgramModule
{
public:
    // Loads lib<name>.so with every symbol bound at once, so a module that
    // does not fit the program fails here and not halfway through a command.
    // False and error set to the reason when it cannot be loaded.
    static bool Load(const QString& name, QString* error);

    // Tests look for the modules in a folder of their own; an empty folder
    // goes back to the program's.
    static void SetFolder(const QString& folder);
};
