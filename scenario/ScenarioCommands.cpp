#include "scenario/ScenarioCommands.h"

#include "app/CMouse.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "langlib/Resources.h"
#include "scenario/FieldColour.h"
#include "scenario/RegistryAPI.h"
#include "scenario/ScenarioName.h"
#include "scenario/ScenarioStore.h"
#include "scenario/ScenarioTransfer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
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

ScenarioCommands::ScenarioCommands(Loan& window)
    : m_window(window)
{
    connect(window.mnuFileNew, &QAction::triggered, this, &ScenarioCommands::NewCommand);
    connect(window.mnuFileSave, &QAction::triggered, this, &ScenarioCommands::SaveCommand);
    connect(window.mnuFileDelete, &QAction::triggered, this, &ScenarioCommands::DeleteCommand);
    connect(window.cboLoanName, &QComboBox::activated, this, &ScenarioCommands::NameSelected);
    window.cboLoanName->installEventFilter(this);
    // Completing a typed name to a saved one that begins alike would save
    // the new scenario over that one.
    window.cboLoanName->setCompleter(nullptr);
}

bool ScenarioCommands::SaveScenario()
{
    const QString name = m_window.LoanName();
    switch (ScenarioName::Check(name)) {
    case ScenarioName::Verdict::Blank:
        MessageBox::Ok(m_window.LoadResString(rsInvalidSaveName));
        return false;
    case ScenarioName::Verdict::Refused:
        MessageBox::Ok(m_window.LoadResString(rsUnusableSaveName) + name);
        RequireName();
        return false;
    case ScenarioName::Verdict::Valid:
        break;
    }
    const ScenarioData data = m_window.Document().Collect();
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        ScenarioStore::Save(name, data);
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.description());
        return false;
    }
    m_window.SetScenarioChanged(false);
    return true;
}

void ScenarioCommands::LoadScenario()
{
    LoadedScenario loaded;
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        loaded = ScenarioStore::Load(m_window.LoanName());
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.description());
        return;
    }
    ScenarioTransfer(m_window).Apply(loaded);
}

bool ScenarioCommands::DeleteScenario()
{
    const QString name = m_window.LoanName();
    if (ScenarioName::IsBlank(name)) {
        MessageBox::Ok(m_window.LoadResString(rsInvalidDeleteName));
        return true;
    }
    try {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        ScenarioStore::Delete(name);
    } catch (const RegistryAPI::Error& error) {
        MessageBox::Ok(error.description());
        return false;
    }
    return true;
}

void ScenarioCommands::ClearScenario()
{
    Loan& w = m_window;
    w.SetLoanName(QString());
    FieldColour::Clear(w.cboLoanName);
    w.SetLoanType(QString());
    w.cboLoanType->clear();
    w.SetLoanAmount(Money());
    w.SetLoanTerm(0);
    w.SetEscrowTaxes(Money());
    w.SetEscrowInsurance(Money());
    w.SetCurrentLoanAmount(Money());
    w.SetCurrentTerm(0);
    w.SetCurrentInterestRate(0);
    w.SetCurrentBalance(Money());
    // The actual frequency too: it may hold a code of its own when the
    // scheduled one was never set.
    w.SetCurrentFrequency(QString());
    w.SetCurrentActualFrequency(QString());
    w.cboCurPaymentFrequency->clear();
    w.cboActPaymentFrequency->clear();
    w.SetCurrentPayment(Money());
    w.SetCurrentActualPayment(Money());
    w.RecalcCurrentPayment();

    w.ShowDefaultNextPayment();

    w.SetCurrentPayoffDate(0);
    w.SetCurrentAmountLeft(Money());
    w.SetCurrentInterestLeft(Money());
    for (const auto& quote : w.Quotes)
        ScenarioTransfer::EmptyQuote(*quote);
    for (int d = 0; d <= w.LoadedUpperIndex(); ++d)
        w.ClearQuoteRow(d);
    w.SetScenarioChanged(false);
}

void ScenarioCommands::FillLoanNameList()
{
    QComboBox* list = m_window.cboLoanName;
    const QString typed = list->currentText();
    list->clear();
    list->addItem(m_window.LoadResString(rsLTNewGT));
    list->addItems(ScenarioStore::Names());
    m_window.ShowInNameBox(typed);
}

bool ScenarioCommands::ResolveUnsavedChanges()
{
    if (!m_window.ScenarioChanged())
        return true;
    switch (AskToSaveChanges()) {
    case QMessageBox::Yes:
        if (ScenarioName::IsBlank(m_window.LoanName())) {
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
    const QString name = m_window.LoanName();
    const QString title = m_window.LoadResString(rsSaveChanges);
    const QString question =
        name.isEmpty() ? title
                       : m_window.LoadResString(rsSaveChangesTo) + name + m_window.LoadResString(rsQuestionMark);
    return MessageBox::Question(question, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void ScenarioCommands::RequireName()
{
    FieldColour::Mark(m_window.cboLoanName, FieldColour::Required);
    m_window.cboLoanName->setFocus();
}

bool ScenarioCommands::CommitPendingEdit()
{
    Loan& w = m_window;
    QWidget* focus = w.focusWidget();
    if (auto* field = qobject_cast<NumberField*>(focus))
        return field->CommitEdit();
    if (focus == w.cboLoanName)
        w.CommitLoanNameEdit();
    else if (focus == w.dtNextPayment)
        w.dtNextPayment->interpretText();
    else if (focus == w.cboCurPaymentFrequency)
        w.RecalcCurrentPayment();
    else
        w.CommitRowFieldEdit(focus);
    return true;
}

void ScenarioCommands::NewCommand()
{
    FillLoanNameList();
    m_window.cboLoanName->setCurrentIndex(0);
    NameSelected(0);
    m_window.cboLoanName->setFocus();
}

void ScenarioCommands::SaveCommand()
{
    if (!CommitPendingEdit())
        return;
    if (ScenarioName::IsBlank(m_window.cboLoanName->currentText())) {
        RequireName();
        return;
    }
    SaveScenario();
}

void ScenarioCommands::DeleteCommand()
{
    Loan& w = m_window;
    if (ScenarioName::IsBlank(w.LoanName()) && w.ScenarioChanged()) {
        ClearScenario();
        w.cboLoanName->setFocus();
        return;
    }
    const QString question =
        w.LoadResString(rsDeleteLoan) + w.LoanName() + w.LoadResString(rsQuestionMark);
    if (MessageBox::Question(question, w.LoadResString(rsConfirmLoanDelete), QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!DeleteScenario())
        return;
    ClearScenario();
    FillLoanNameList();
    w.cboLoanName->setFocus();
}

// A save that fails keeps the changes, and with them the scenario shown.
// By now the name box shows the entry picked; it shows the scenario's own
// name again while the question is open, because the box commits its text
// when the question takes the focus, and a Yes saves under that name.
void ScenarioCommands::NameSelected(int index)
{
    Loan& w = m_window;
    const QString selected = w.cboLoanName->itemText(index);
    w.SetLoanName(w.LoanName());
    if (!ResolveUnsavedChanges()) {
        w.SetLoanName(w.LoanName());
        return;
    }
    if (selected == w.LoadResString(rsLTNewGT)) {
        ClearScenario();
        return;
    }
    w.SetLoanName(selected);
    if (ScenarioStore::Exists(selected))
        LoadScenario();
}

bool ScenarioCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || IsDropDownKey(event))
        FillLoanNameList();
    return QObject::eventFilter(watched, event);
}
