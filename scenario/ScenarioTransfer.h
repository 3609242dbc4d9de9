#pragma once

#include "scenario/LoadedScenario.h"
#include "scenario/ScenarioData.h"

class CLoan;
class Loan;

// Moves a scenario between the window and its stored form. Loading goes
// through the window's setters in a fixed order, so every value shows and
// every figure that depends on it is recomputed; a stored value that failed
// to convert is reported where it comes and the property keeps what it had.
class ScenarioTransfer
{
public:
    explicit ScenarioTransfer(Loan& window);

    void Apply(const LoadedScenario& loaded);

    // A quote with nothing entered.
    static void EmptyQuote(CLoan& quote);

private:
    void ApplyNewLoan();
    void ApplyCurrentLoan();
    void ApplyQuotes();
    void ApplyQuote(int index);
    template <typename Set>
    void Take(ScenarioField field, Set set);
    template <typename Set>
    void Take(int quoteIndex, QuoteField field, Set set);
    static void Report(const ScenarioLoadError* failure);

    Loan& m_window;
    const LoadedScenario* m_loaded = nullptr;
};
