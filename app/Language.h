#pragma once

#include "langlib/Resources.h"

#include <QString>

#include <functional>

// The language the program speaks: the current language number and the
// bound language library every visible text comes from, held for the whole
// run, and the help file that goes with the language.
class Language
{
public:
    // Creates a library's object by class name, or gives null and the reason.
    using Factory = std::function<ResourcesInterface*(const QString& className, QString* error)>;

    static constexpr qint16 English = 1;
    static constexpr qint16 Spanish = 2;
    // The class names of the two libraries; English is the default one.
    static constexpr const char* EnglishClass = "Tessaly.Resources";
    static constexpr const char* SpanishClass = "Morvane.Resources";

    // 1 English, 2 Spanish; negative while an automatic choice is not yet
    // applied to the window; 0 before any choice.
    static qint16 Number();
    static void SetNumber(qint16 number);

    // A text of the bound library. With nothing bound, the default library
    // (English) is bound first.
    static QString LoadResString(int id);
    // Creates the library of the class and binds it in place of the one
    // bound before; on failure nothing changes and error says why.
    static bool Bind(const QString& className, QString* error = nullptr);

    // The help file of the bound library (English while none is bound), as
    // a full path.
    static QString HelpFile();
    // The folder of the running program, where its help files are.
    static QString ProgramFolder();

    // Tests replace the way libraries are created, and start over.
    static void SetFactory(Factory factory);
    static void Reset();
};
