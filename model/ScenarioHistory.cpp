#include "model/ScenarioHistory.h"

#include "model/ScenarioStep.h"

#include <utility>

ScenarioHistory::ScenarioHistory(LoanDocument& document)
    : m_document(document)
    , m_last(document.Snapshot())
{
    m_endOfAction.setSingleShot(true);
    m_endOfAction.setInterval(0);
    connect(&m_endOfAction, &QTimer::timeout, this, &ScenarioHistory::EndStep);
    connect(&document, &LoanDocument::Edited, this, &ScenarioHistory::Edited);
    connect(&document, &LoanDocument::StepBegun, this, &ScenarioHistory::BeginStep);
    connect(&document, &LoanDocument::StepEnded, this, &ScenarioHistory::EndStep);
    connect(&document, &LoanDocument::ScenarioApplying, this, &ScenarioHistory::ApplyingScenario);
    connect(&document, &LoanDocument::ScenarioApplied, this, &ScenarioHistory::Restart);
    connect(&document, &LoanDocument::Cleared, this, &ScenarioHistory::Restart);
}

QString ScenarioHistory::NameAt(int index) const
{
    const auto* step = static_cast<const ScenarioStep*>(m_stack.command(index));
    return step ? ScenarioStep::Name(m_document, step->NameId()) : QString();
}

QString ScenarioHistory::UndoName() const
{
    return m_stack.canUndo() ? NameAt(m_stack.index() - 1) : QString();
}

QString ScenarioHistory::RedoName() const
{
    return m_stack.canRedo() ? NameAt(m_stack.index()) : QString();
}

void ScenarioHistory::Edited()
{
    if (!m_applying)
        m_endOfAction.start();
}

// What was pending belongs to the action before.
void ScenarioHistory::BeginStep(int nameId)
{
    EndStep();
    m_nextNameId = nameId;
}

void ScenarioHistory::EndStep()
{
    m_endOfAction.stop();
    if (m_applying)
        return;
    LoanDocument::State now = m_document.Snapshot();
    const int nameId = std::exchange(m_nextNameId, 0);
    if (LoanDocument::SameValues(now, m_last))
        return;
    const int name = nameId != 0 ? nameId : ScenarioStep::NameOfChange(m_last.Values, now.Values);
    m_stack.push(new ScenarioStep(m_document, std::exchange(m_last, now), now, name));
    emit Stepped();
}

void ScenarioHistory::Undo()
{
    EndStep();
    m_stack.undo();
    Moved();
}

void ScenarioHistory::Redo()
{
    EndStep();
    m_stack.redo();
    Moved();
}

// Putting a state back may raise what it holds again: the next step starts
// from what the document shows. Back at the state saved, nothing is unsaved.
void ScenarioHistory::Moved()
{
    m_last = m_document.Snapshot();
    m_document.SetScenarioChanged(!m_stack.isClean());
    emit Stepped();
}

void ScenarioHistory::MarkSaved()
{
    EndStep();
    m_stack.setClean();
}

// A load reports values it cannot take while it goes: nothing of it is a
// step until it is done.
void ScenarioHistory::ApplyingScenario()
{
    m_endOfAction.stop();
    m_applying = true;
}

void ScenarioHistory::Restart()
{
    m_endOfAction.stop();
    m_applying = false;
    m_nextNameId = 0;
    m_stack.clear();
    m_last = m_document.Snapshot();
    emit Stepped();
}
