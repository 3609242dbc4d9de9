#include "scenario/ScenarioCommands.h"

#include "app/CMouse.h"
#include "app/LoanForm.h"
#include "app/MessageBox.h"
#include "langlib/Resources.h"
#include "scenario/FieldColour.h"
#include "store/RegistryAPI.h"
#include "model/ScenarioName.h"
#include "model/ScenarioStore.h"
#include "scenario/ChoiceList.h"
#include "model/LoanDocument.h"
#include "model/ScenarioHistory.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

// The keys that open a drop-down list from the keyboard.
bool IsDropDownKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F4
           || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && (key->modifiers() & Qt::AltModifier));
}

} // namespace

ScenarioCommands::ScenarioCommands(QWidget& window, LoanForm& form, LoanDocument& document,
                                   ScenarioHistory& history)
    : m_window(window)
    , m_form(form)
    , m_document(document)
    , m_history(history)
{
    connect(form.mnuFileNew, &QAction::triggered, this, &ScenarioCommands::NewCommand);
    connect(form.mnuFileSave, &QAction::triggered, this, &ScenarioCommands::SaveCommand);
    connect(form.mnuFileSaveAs, &QAction::triggered, this, &ScenarioCommands::SaveAsCommand);
    connect(form.mnuFileDelete, &QAction::triggered, this, &ScenarioCommands::DeleteCommand);
    connect(form.cboLoanName, &QComboBox::activated, this, &ScenarioCommands::NameSelected);
    connect(&document, &LoanDocument::Cleared, this, [this] {
        FieldColour::Clear(m_form.cboLoanName);
        m_savedName.clear();
    });
    form.cboLoanName->installEventFilter(this);
    // Completing a typed name to a saved one that begins alike would save
    // the new scenario over that one.
    form.cboLoanName->setCompleter(nullptr);
}

QString ScenarioCommands::Text(int id) const
{
    return m_document.LoadResString(id);
}

void ScenarioCommands::CommitLoanNameEdit()
{
    m_document.SetLoanName(m_form.cboLoanName->currentText());
    if (!ScenarioName::IsBlank(m_document.LoanName()))
        m_form.cboLoanName->setPalette(QPalette());
}

bool ScenarioCommands::SaveScenario()
{
    const QString name = m_document.LoanName();
    if (!IsUsableName(name)) {
        if (!ScenarioName::IsBlank(name))
            RequireName();
        return false;
    }
    if (!MayReplace(name))
        return false;
    const ScenarioData data = m_document.Collect();
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        ScenarioStore::Save(name, data);
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.Description());
        return false;
    }
    m_savedName = name;
    m_history.MarkSaved();
    m_document.SetScenarioChanged(false);
    return true;
}

bool ScenarioCommands::IsUsableName(const QString& name)
{
    switch (ScenarioName::Check(name)) {
    case ScenarioName::Verdict::Blank:
        MessageBox::Ok(Text(rsInvalidSaveName));
        return false;
    case ScenarioName::Verdict::Refused:
        MessageBox::Ok(Text(rsUnusableSaveName) + name);
        return false;
    case ScenarioName::Verdict::Valid:
        break;
    }
    return true;
}

// The store tells names apart regardless of case, and so does this.
bool ScenarioCommands::MayReplace(const QString& name)
{
    if (name.compare(m_savedName, Qt::CaseInsensitive) == 0 || !ScenarioStore::Exists(name))
        return true;
    const QString question = Text(rsReplaceScenario) + name + Text(rsReplaceScenarioEnd);
    if (MessageBox::Question(question, MessageBox::ProgramTitle(), QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        return true;
    m_form.cboLoanName->setFocus();
    return false;
}

void ScenarioCommands::LoadScenario()
{
    LoadedScenario loaded;
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        loaded = ScenarioStore::Load(m_document.LoanName());
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.Description());
        return;
    }
    m_document.Apply(loaded);
    m_savedName = m_document.LoanName();
}

bool ScenarioCommands::DeleteScenario()
{
    const QString name = m_document.LoanName();
    if (ScenarioName::IsBlank(name)) {
        MessageBox::Ok(Text(rsInvalidDeleteName));
        return true;
    }
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        ScenarioStore::Delete(name);
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.Description());
        return false;
    }
    return true;
}

void ScenarioCommands::ClearScenario()
{
    m_document.Clear();
}

void ScenarioCommands::FillLoanNameList()
{
    QComboBox* list = m_form.cboLoanName;
    const QString typed = list->currentText();
    list->clear();
    list->addItem(Text(rsLTNewGT));
    list->addItems(ScenarioStore::Names());
    ChoiceList::ShowText(list, typed);
}

bool ScenarioCommands::ResolveUnsavedChanges()
{
    if (!m_document.ScenarioChanged())
        return true;
    switch (AskToSaveChanges()) {
    case QMessageBox::Yes:
        if (ScenarioName::IsBlank(m_document.LoanName())) {
            RequireName();
            return false;
        }
        return SaveScenario();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

QMessageBox::StandardButton ScenarioCommands::AskToSaveChanges()
{
    const QString name = m_document.LoanName();
    const QString title = Text(rsSaveChanges);
    const QString question =
        name.isEmpty() ? title
                       : Text(rsSaveChangesTo) + name + Text(rsQuestionMark);
    return MessageBox::Question(question, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void ScenarioCommands::RequireName()
{
    FieldColour::Mark(m_form.cboLoanName, FieldColour::Required);
    m_form.cboLoanName->setFocus();
}

bool ScenarioCommands::CommitPendingEdit()
{
    QWidget* focus = m_window.focusWidget();
    if (auto* field = qobject_cast<NumberField*>(focus))
        return field->CommitEdit();
    if (focus == m_form.cboLoanName)
        CommitLoanNameEdit();
    else if (focus == m_form.dtNextPayment)
        m_form.dtNextPayment->interpretText();
    else if (focus == m_form.dtFirstPayment)
        m_form.dtFirstPayment->interpretText();
    else if (focus == m_form.cboCurPaymentFrequency)
        m_document.RecalcCurrentPayment();
    else
        emit RowFieldToCommit(focus);
    return true;
}

void ScenarioCommands::NewCommand()
{
    FillLoanNameList();
    m_form.cboLoanName->setCurrentIndex(0);
    NameSelected(0);
    m_form.cboLoanName->setFocus();
}

void ScenarioCommands::SaveCommand()
{
    if (!CommitPendingEdit())
        return;
    if (ScenarioName::IsBlank(m_form.cboLoanName->currentText())) {
        RequireName();
        return;
    }
    SaveScenario();
}

// The new name becomes the scenario's; what was saved under the old one
// stays as it was.
void ScenarioCommands::SaveAsCommand()
{
    if (!CommitPendingEdit())
        return;
    const QString title = Text(rsMnuFileSaveAs).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    const std::optional<QString> name = MessageBox::AskText(Text(rsSaveAsPrompt), title, m_document.LoanName());
    if (!name || !IsUsableName(*name))
        return;
    const QString previous = m_document.LoanName();
    m_document.SetLoanName(*name);
    if (!SaveScenario())
        m_document.SetLoanName(previous);
}

void ScenarioCommands::DeleteCommand()
{
        if (ScenarioName::IsBlank(m_document.LoanName()) && m_document.ScenarioChanged()) {
        ClearScenario();
        m_form.cboLoanName->setFocus();
        return;
    }
    const QString question =
        Text(rsDeleteLoan) + m_document.LoanName() + Text(rsQuestionMark);
    if (MessageBox::Question(question, Text(rsConfirmLoanDelete), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!DeleteScenario())
        return;
    ClearScenario();
    FillLoanNameList();
    m_form.cboLoanName->setFocus();
}

// A save that fails keeps the changes, and with them the scenario shown.
// By now the name box shows the entry picked; it shows the scenario's own
// name again while the question is open, because the box commits its text
// when the question takes the focus, and a Yes saves under that name.
void ScenarioCommands::NameSelected(int index)
{
        const QString selected = m_form.cboLoanName->itemText(index);
    m_document.SetLoanName(m_document.LoanName());
    if (!ResolveUnsavedChanges()) {
        m_document.SetLoanName(m_document.LoanName());
        return;
    }
    if (selected == Text(rsLTNewGT)) {
        ClearScenario();
        return;
    }
    m_document.SetLoanName(selected);
    if (ScenarioStore::Exists(selected))
        LoadScenario();
}

// The name box selects its text on entering and takes its text as the name
// on leaving; the saved names are read anew whenever the list may open.
bool ScenarioCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        m_form.cboLoanName->lineEdit()->selectAll();
    else if (event->type() == QEvent::FocusOut)
        CommitLoanNameEdit();
    else if (event->type() == QEvent::MouseButtonPress || IsDropDownKey(event))
        FillLoanNameList();
    return QObject::eventFilter(watched, event);
}
