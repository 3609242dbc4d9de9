#pragma once

#include <QString>

#include <cstddef>

class LoanForm;
class QWidget;

// What a screen reader says for each field of the main window and the help
// window, in the language bound now: a name that places the field ("Quote 3,
// interest rate", "Current loan, balance") and, for the fields only the
// program writes, what their value means. Section fields are named after
// their captions, so a caption that changes (the term's unit) renames its
// field when the texts are applied again.
class AccessibleNames
{
public:
    // Every field of the window, every quote row made so far included.
    static void Apply(LoanForm& form);
    // The fields of row d; a row made after the texts were applied.
    static void NameRow(LoanForm& form, std::size_t d);

    // A caption as spoken: without its mnemonic marks and closing colon.
    static QString FromCaption(const QString& caption);
    static void Set(QWidget* widget, const QString& name, const QString& description = QString());
};
