#pragma once

#include <QLocale>
#include <QtGlobal>

// The user's default language as a Windows language id (primary language in
// the low ten bits, sublanguage above), which is what the automatic language
// choice works from. Derived from the system locale; tests set it.
class UserLanguage
{
public:
    static quint16 DefaultLangID();
    static void Set(quint16 langId);
    // Back to the id derived from the system locale.
    static void Reset();

    static quint16 LangIDOf(const QLocale& locale);
};
