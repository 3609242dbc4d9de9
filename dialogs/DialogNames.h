#pragma once

class dlgWho;
class frmOptions;

// What a screen reader says for the fields of the dialogs whose own texts do
// not name them (an unlabelled option button, an arrow), in the language
// bound now. The commands that open the dialogs call it, so the dialogs
// themselves know nothing of it.
class DialogNames
{
public:
    static void Apply(frmOptions& options);
    // The editor of row d's lender.
    static void Apply(dlgWho& who, int d);
};
