#pragma once

#include "model/LoanDocument.h"

#include <QObject>
#include <QTimer>
#include <QUndoStack>

// Undo and Redo over the scenario's values. Each thing the user does is one
// step: everything it changed, also what it raised or recomputed, between
// two states of the document. A step ends where the user's action ends: when
// the focus moves on, when a command asks for it, or once the events of the
// action have all been handled. Loading, New and Delete begin a new history;
// undoing back to the state last saved leaves nothing unsaved.
class ScenarioHistory : public QObject
{
    Q_OBJECT

public:
    explicit ScenarioHistory(LoanDocument& document);

    const QUndoStack& Stack() const { return m_stack; }
    // The names of the steps Undo and Redo would take, in the active
    // language; empty when there is none.
    QString UndoName() const;
    QString RedoName() const;

    // What changed since the last step becomes a step of its own.
    void EndStep();
    void Undo();
    void Redo();
    // The scenario as it stands is saved.
    void MarkSaved();
    // The scenario as it stands is where the history begins.
    void Restart();

signals:
    // Undo or Redo may do something else now.
    void Stepped();

private:
    void Moved();
    void BeginStep(int nameId);
    void Edited();
    void ApplyingScenario();
    QString NameAt(int index) const;

    LoanDocument& m_document;
    QUndoStack m_stack;
    // The values at the end of the last step.
    LoanDocument::State m_last;
    int m_nextNameId = 0;
    // Ends a step once the events of the action that began it are handled.
    QTimer m_endOfAction;
    bool m_applying = false;
};
