#pragma once

#include "model/LoanDocument.h"

#include <QUndoCommand>

// One step of the scenario's history: the values before and after one thing
// the user did, with every value it raised or recomputed. It is pushed when
// the step is already done, so its first redo has nothing to do.
class ScenarioStep : public QUndoCommand
{
public:
    ScenarioStep(LoanDocument& document, LoanDocument::State before, LoanDocument::State after, int nameId);

    void undo() override;
    void redo() override;

    // The string id that names the step.
    int NameId() const { return m_nameId; }
    // The step's name in the active language, as a menu shows it.
    static QString Name(const LoanDocument& document, int nameId);
    // The id naming the first value that differs, the new loan's before the
    // current loan's and those before the quotes', so a value that raised
    // others names the step; 0 when none differs.
    static int NameOfChange(const ScenarioData& before, const ScenarioData& after);

private:
    LoanDocument& m_document;
    LoanDocument::State m_before;
    LoanDocument::State m_after;
    int m_nameId;
    bool m_done = true;
};
