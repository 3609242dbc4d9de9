#include "app/AccessibleNames.h"

#include "app/Language.h"
#include "app/LoanForm.h"
#include "langlib/ResourceIds.h"
#include "sheet/RowColumn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

#include <array>

namespace {

QString Res(int id)
{
    return Language::LoadResString(id);
}

// The spoken names of a row's columns, left to right, and what the results
// among them mean.
struct ColumnText
{
    ResStringID Name;
    int About;
};

constexpr std::array<ColumnText, RowColumn::Count> Columns = {{
    {rsNameFinancePoints, 0},
    {rsNamePoints, 0},
    {rsNameInterestRate, 0},
    {rsNameTerm, 0},
    {rsNameFrequency, 0},
    {rsNamePandI, rsAboutPandI},
    {rsNamePayment, rsAboutPayment},
    {rsNameActualPayment, 0},
    {rsNamePayoffDate, rsAboutPayoffDate},
    {rsNameInterest, rsAboutInterest},
    {rsNameWho, 0},
}};

// An editable list is read through its text field as well.
void SetField(QWidget* field, const QString& name, const QString& description = QString())
{
    AccessibleNames::Set(field, name, description);
    if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        AccessibleNames::Set(list->lineEdit(), name, description);
}

void NameInSection(int templateId, QLabel* caption, QWidget* field, int aboutId = 0)
{
    SetField(field, Res(templateId).arg(AccessibleNames::FromCaption(caption->text())),
             aboutId == 0 ? QString() : Res(aboutId));
}

} // namespace

QString AccessibleNames::FromCaption(const QString& caption)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    QString spoken = caption;
    spoken.replace(mark, QStringLiteral("\\1"));
    spoken = spoken.trimmed();
    while (spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    return spoken.trimmed();
}

void AccessibleNames::Set(QWidget* widget, const QString& name, const QString& description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void AccessibleNames::Apply(LoanForm& f)
{
    NameInSection(rsNameNewLoanField, f.lblLoanName, f.cboLoanName);
    NameInSection(rsNameNewLoanField, f.lblLoanType, f.cboLoanType);
    NameInSection(rsNameNewLoanField, f.lblLoanAmount, f.txtLoanAmount);
    NameInSection(rsNameNewLoanField, f.lblLoanTerm, f.txtLoanTerm);
    NameInSection(rsNameNewLoanField, f.lblAnnualTaxes, f.txtAnnualTaxes);
    NameInSection(rsNameNewLoanField, f.lblAnnualInsurance, f.txtAnnualInsurance);
    NameInSection(rsNameNewLoanField, f.lblMonthlyEscrow, f.txtMonthlyEscrow, rsAboutMonthlyEscrow);
    NameInSection(rsNameNewLoanField, f.lblFirstPayment, f.dtFirstPayment);

    for (std::size_t d = 0; d < f.chkPoints.size(); ++d)
        NameRow(f, d);

    NameInSection(rsNameCurrentLoanField, f.lblCurLoanAmount, f.txtCurLoanAmount);
    NameInSection(rsNameCurrentLoanField, f.lblCurLoanTerm, f.txtCurLoanTerm);
    NameInSection(rsNameCurrentLoanField, f.lblCurInterestRate, f.txtCurInterestRate);
    NameInSection(rsNameCurrentLoanField, f.lblCurPaymentFrequency, f.cboCurPaymentFrequency);
    NameInSection(rsNameCurrentLoanField, f.lblCurPayment, f.txtCurPayment, rsAboutCurPayment);
    NameInSection(rsNameCurrentLoanField, f.lblCurActualPayment, f.txtCurActualPayment);
    NameInSection(rsNameCurrentLoanField, f.lblActPaymentFrequency, f.cboActPaymentFrequency);
    NameInSection(rsNameCurrentLoanField, f.lblNextPayment, f.dtNextPayment);
    NameInSection(rsNameCurrentLoanField, f.lblCurrentBalance, f.txtCurrentBalance);
    NameInSection(rsNameCurrentLoanField, f.lblCurPayoffDate, f.txtCurPayoffDate, rsAboutCurPayoffDate);
    NameInSection(rsNameCurrentLoanField, f.lblCurAmountLeft, f.txtCurAmountLeft, rsAboutCurAmountLeft);
    NameInSection(rsNameCurrentLoanField, f.lblCurInterestLeft, f.txtCurInterestLeft, rsAboutCurInterestLeft);

    // The button shows only a question mark; what it does is its tooltip.
    Set(f.cmdWhatsThis, Res(rsNameWhatsThis));
}

void AccessibleNames::NameRow(LoanForm& form, std::size_t d)
{
    const QString quote = Res(rsNameQuoteField);
    const std::vector<QWidget*> fields = form.RowFields(d);
    for (std::size_t column = 0; column < RowColumn::Count; ++column) {
        const ColumnText& text = Columns[column];
        SetField(fields[column], quote.arg(QString::number(d + 1), Res(text.Name)),
                 text.About == 0 ? QString() : Res(text.About));
    }
}
