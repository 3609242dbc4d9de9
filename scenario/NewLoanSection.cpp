#include "scenario/NewLoanSection.h"

#include "app/Loan.h"
#include "scenario/ChoiceList.h"
#include "scenario/FieldFormat.h"
#include "scenario/LoanTypes.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

NewLoanSection::NewLoanSection(Loan& window)
    : m_window(window)
{
    window.cboLoanType->installEventFilter(this);
    connect(window.cboLoanType, &QComboBox::activated, this, &NewLoanSection::TypeChosen);
    connect(&window.Document(), &LoanDocument::Changed, this, &NewLoanSection::Show);
}

void NewLoanSection::Show(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    Loan& w = m_window;
    switch (value) {
    case Value::LoanName:
        w.ShowInNameBox(w.LoanName());
        break;
    case Value::LoanAmount:
        w.txtLoanAmount->ShowValue();
        break;
    case Value::LoanTerm:
        w.txtLoanTerm->ShowValue();
        break;
    case Value::EscrowTaxes:
        w.txtAnnualTaxes->ShowValue();
        break;
    case Value::EscrowInsurance:
        w.txtAnnualInsurance->ShowValue();
        break;
    case Value::EscrowMonthly:
        w.txtMonthlyEscrow->setText(FieldFormat::Currency(w.EscrowMonthly()));
        break;
    default:
        break;
    }
}

void NewLoanSection::FillLoanTypeList()
{
    QComboBox* list = m_window.cboLoanType;
    if (list->count() > 0)
        return;
    for (const QString& code : LoanTypes::Codes())
        list->addItem(m_window.LoadResString(LoanTypes::NameId(code)));
    // The first name added would otherwise be taken for the user's choice.
    ChoiceList::Select(list, m_window.LoanType());
}

void NewLoanSection::RefreshLoanTypeText()
{
    if (m_window.LoanTypeCode().isEmpty()) {
        m_window.cboLoanType->clear();
        return;
    }
    FillLoanTypeList();
    ChoiceList::Select(m_window.cboLoanType, m_window.LoanType());
}

// Choosing the type already shown changes nothing.
void NewLoanSection::TypeChosen()
{
    const QString chosen = m_window.cboLoanType->currentText();
    if (chosen == m_window.LoanType())
        return;
    m_window.SetLoanType(chosen);
    m_window.SetScenarioChanged(true);
}

bool NewLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (ChoiceList::IsOpening(event))
        FillLoanTypeList();
    else if (ChoiceList::IsLeaving(event))
        TypeChosen();
    return QObject::eventFilter(watched, event);
}
