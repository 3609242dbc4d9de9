#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The kinds of loan the new-loan section offers. A scenario keeps the
// one-letter code, so a change of language only changes the name shown for
// it. The letters are codes of their own, whatever a payment frequency code
// with the same letter means.
class LoanTypes
{
public:
    // Looks up a text of the active language by string id.
    using TextLookup = std::function<QString(int)>;

    // The names in the order the list shows them.
    static QStringList Names(const TextLookup& text);
    // String id of the code's name; 0 for any other code.
    static int NameId(const QString& code);
    // The code whose name in the active language is exactly `name`; the empty
    // code when none is.
    static QString CodeForName(const QString& name, const TextLookup& text);
};
