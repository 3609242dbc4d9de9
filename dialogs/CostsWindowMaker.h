#pragma once

#include "print/PrintedReport.h"

class LoanDocument;
class QWidget;
class frmCosts;

// Makes the costs window, which lives in the module that links Qt Charts:
// the module registers its maker when it is loaded, and the first window
// asked for loads it.
class CostsWindowMaker
{
public:
    using Maker = frmCosts* (*)(LoanDocument& document, QWidget* owner, const PrintedReport::Runner& print);

    static void Register(Maker maker);
    // A new costs window, or null once the user has been told why none
    // could be made.
    static frmCosts* Make(LoanDocument& document, QWidget* owner, const PrintedReport::Runner& print);
};
