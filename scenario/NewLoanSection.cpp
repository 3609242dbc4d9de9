#include "scenario/NewLoanSection.h"

#include "app/LoanForm.h"
#include "scenario/ChoiceList.h"
#include "model/FieldFormat.h"
#include "model/LoanTypes.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

NewLoanSection::NewLoanSection(LoanForm& form, LoanDocument& document)
    : m_form(form)
    , m_document(document)
{
    form.cboLoanType->installEventFilter(this);
    connect(form.cboLoanType, &QComboBox::activated, this, &NewLoanSection::TypeChosen);
    connect(&document, &LoanDocument::Changed, this, &NewLoanSection::Show);
    connect(&document, &LoanDocument::ScenarioApplying, this, &NewLoanSection::FillLoanTypeList);
    connect(&document, &LoanDocument::ScenarioApplied, this, &NewLoanSection::RefreshLoanTypeText);
}

void NewLoanSection::Show(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    LoanForm& f = m_form;
    switch (value) {
    case Value::LoanName:
        ChoiceList::ShowText(f.cboLoanName, m_document.LoanName());
        break;
    case Value::LoanType:
        RefreshLoanTypeText();
        break;
    case Value::LoanAmount:
        f.txtLoanAmount->ShowValue();
        break;
    case Value::LoanTerm:
        f.txtLoanTerm->ShowValue();
        break;
    case Value::EscrowTaxes:
        f.txtAnnualTaxes->ShowValue();
        break;
    case Value::EscrowInsurance:
        f.txtAnnualInsurance->ShowValue();
        break;
    case Value::EscrowMonthly:
        f.txtMonthlyEscrow->setText(FieldFormat::Currency(m_document.EscrowMonthly()));
        break;
    default:
        break;
    }
}

// The first name added would otherwise be taken for the user's choice.
void NewLoanSection::FillLoanTypeList()
{
    QComboBox* list = m_form.cboLoanType;
    if (list->count() > 0)
        return;
    ChoiceList::Fill(list, LoanTypes::Names(m_document.Texts()));
    ChoiceList::Select(list, LoanTypeName());
}

void NewLoanSection::RefreshLoanTypeText()
{
    if (m_document.LoanTypeCode().isEmpty()) {
        m_form.cboLoanType->clear();
        return;
    }
    FillLoanTypeList();
    ChoiceList::Select(m_form.cboLoanType, LoanTypeName());
}

void NewLoanSection::RefillLoanTypeList()
{
    m_form.cboLoanType->clear();
    FillLoanTypeList();
    RefreshLoanTypeText();
}

QString NewLoanSection::LoanTypeName() const
{
    const int id = LoanTypes::NameId(m_document.LoanTypeCode());
    return id == 0 ? QString() : m_document.LoadResString(id);
}

void NewLoanSection::ChooseLoanType(const QString& name)
{
    m_document.ChooseLoanType(LoanTypes::CodeForName(name, m_document.Texts()));
}

// Choosing the type already shown changes nothing.
void NewLoanSection::TypeChosen()
{
    const QString chosen = m_form.cboLoanType->currentText();
    if (chosen == LoanTypeName())
        return;
    ChooseLoanType(chosen);
}

bool NewLoanSection::eventFilter(QObject* watched, QEvent* event)
{
    if (ChoiceList::IsOpening(event))
        FillLoanTypeList();
    else if (ChoiceList::IsLeaving(event))
        TypeChosen();
    return QObject::eventFilter(watched, event);
}
