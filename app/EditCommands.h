#pragma once

#include <QObject>

class LoanForm;
class ScenarioCommands;
class ScenarioHistory;
class QWidget;

// The Edit menu: Undo and Redo over the scenario's history, with captions
// that name the step they take. While a text field holds typing of its own
// to undo, their keys undo that typing, as in any text field; otherwise they
// reach the menu.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    // The keys are watched for the fields of the window.
    EditCommands(QWidget& window, LoanForm& form, ScenarioHistory& history, ScenarioCommands& scenario);

    // Captions in the active language.
    void ApplyTexts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Undo();
    void Redo();

    QWidget& m_window;
    LoanForm& m_form;
    ScenarioHistory& m_history;
    ScenarioCommands& m_scenario;
};
