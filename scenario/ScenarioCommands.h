#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

class LoanDocument;
class LoanForm;
class ScenarioHistory;
class QWidget;

// Saved scenarios as the window offers them: the name list, the File menu's
// New, Save, Save As and Delete, picking a name, and the questions that come
// before anything would drop unsaved changes or replace another saved
// scenario.
class ScenarioCommands : public QObject
{
    Q_OBJECT

public:
    // The window is asked for its focused field.
    ScenarioCommands(QWidget& window, LoanForm& form, LoanDocument& document, ScenarioHistory& history);

    // False when nothing was saved: a blank or refused name, a saved scenario
    // of that name the user would not replace, or a registry failure; each is
    // shown to the user and the window keeps its data.
    bool SaveScenario();
    // Loads the scenario named by LoanName.
    void LoadScenario();
    // False when the registry failed to delete it (the error is shown).
    bool DeleteScenario();
    void ClearScenario();
    // "<new>" and the saved names; the name being typed stays in the field.
    void FillLoanNameList();

    // Asks whether to save unsaved changes before they would be lost; true
    // when the caller may go on (saved, or not wanted).
    bool ResolveUnsavedChanges();
    // Stores the value being typed into the focused field as if the user had
    // left it; false when the typed text was refused.
    bool CommitPendingEdit();
    // What leaving the name box does: its text becomes the name, and a
    // usable name clears the colour of a refused one.
    void CommitLoanNameEdit();

signals:
    // A field of a quote row has the focus and holds what it shows.
    void RowFieldToCommit(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NewCommand();
    void SaveCommand();
    void SaveAsCommand();
    // Says why no scenario can be saved under the name; true when one can.
    bool IsUsableName(const QString& name);
    // Whether saving under the name may go on: asks first when the name is
    // that of a saved scenario other than the one shown.
    bool MayReplace(const QString& name);
    void DeleteCommand();
    void NameSelected(int index);
    QMessageBox::StandardButton AskToSaveChanges();
    void RequireName();
    QString Text(int id) const;

    QWidget& m_window;
    LoanForm& m_form;
    LoanDocument& m_document;
    ScenarioHistory& m_history;
    // The saved scenario the window shows: loaded or last saved; empty for a
    // new one.
    QString m_savedName;
};
