#pragma once

class dlgWho;
class frmCosts;
class frmOptions;

// What a screen reader says for the fields of the costs window and the
// dialogs whose own texts do not name them (a table, an unlabelled option
// button, an arrow), in the language bound now. The commands that open the
// windows call it, so the windows themselves know nothing of it.
class DialogNames
{
public:
    // Names the window now and again whenever another language is bound,
    // after the window has taken its own texts.
    static void Follow(frmCosts& costs);
    static void Apply(frmCosts& costs);
    static void Apply(frmOptions& options);
    // The editor of row d's lender.
    static void Apply(dlgWho& who, int d);
};
