#include "app/HelpTopics.h"

#include "app/HelpSource.h"

#include <QHash>
#include <QRegularExpression>
#include <QWidget>

namespace {

const QHash<QString, QString>& SharedTopics()
{
    static const QHash<QString, QString> topics = {
        {QStringLiteral("picBody"), QStringLiteral("Loan")},
        {QStringLiteral("picSource"), QStringLiteral("Loan")},
        {QStringLiteral("lblLoanName"), QStringLiteral("cboLoanName")},
        {QStringLiteral("lblLoanType"), QStringLiteral("cboLoanType")},
        {QStringLiteral("lblLoanAmount"), QStringLiteral("txtLoanAmount")},
        {QStringLiteral("lblLoanTerm"), QStringLiteral("txtLoanTerm")},
        {QStringLiteral("lblAnnualTaxes"), QStringLiteral("txtAnnualTaxes")},
        {QStringLiteral("lblAnnualInsurance"), QStringLiteral("txtAnnualInsurance")},
        {QStringLiteral("lblFirstPayment"), QStringLiteral("dtFirstPayment")},
        {QStringLiteral("lblMonthlyEscrow"), QStringLiteral("txtMonthlyEscrow")},
        {QStringLiteral("lblPoints"), QStringLiteral("txtPoints")},
        {QStringLiteral("lblInterestRate"), QStringLiteral("txtInterestRate")},
        {QStringLiteral("lblTerm"), QStringLiteral("txtTerm")},
        {QStringLiteral("lblFrequency"), QStringLiteral("cboFrequency")},
        {QStringLiteral("lblPandI"), QStringLiteral("txtPandI")},
        {QStringLiteral("lblPayment"), QStringLiteral("txtPayment")},
        {QStringLiteral("lblActualPayment"), QStringLiteral("txtActualPayment")},
        {QStringLiteral("lblWho"), QStringLiteral("txtWho")},
        {QStringLiteral("picScroll"), QStringLiteral("fraGrid")},
        {QStringLiteral("picCanvas"), QStringLiteral("fraGrid")},
        {QStringLiteral("lblCurrent"), QStringLiteral("fraCurrent")},
        {QStringLiteral("lblCurLoanAmount"), QStringLiteral("txtCurLoanAmount")},
        {QStringLiteral("lblCurLoanTerm"), QStringLiteral("txtCurLoanTerm")},
        {QStringLiteral("lblCurInterestRate"), QStringLiteral("txtCurInterestRate")},
        {QStringLiteral("lblCurPaymentFrequency"), QStringLiteral("cboCurPaymentFrequency")},
        {QStringLiteral("lblCurPayment"), QStringLiteral("txtCurPayment")},
        {QStringLiteral("lblCurActualPayment"), QStringLiteral("txtCurActualPayment")},
        {QStringLiteral("lblActPaymentFrequency"), QStringLiteral("cboActPaymentFrequency")},
        {QStringLiteral("lblCurrentBalance"), QStringLiteral("txtCurrentBalance")},
        {QStringLiteral("lblNextPayment"), QStringLiteral("dtNextPayment")},
        {QStringLiteral("lblCurPayoffDate"), QStringLiteral("txtCurPayoffDate")},
        {QStringLiteral("lblCurAmountLeft"), QStringLiteral("txtCurAmountLeft")},
        {QStringLiteral("lblCurInterestLeft"), QStringLiteral("txtCurInterestLeft")},
    };
    return topics;
}

// Controls are named by a kind prefix and a role; inner parts of a control
// (a list's text box) have no name and show their control's topic.
bool IsControlName(const QString& name)
{
    static const QRegularExpression control(QStringLiteral("^(lbl|txt|cbo|chk|cmd|dt|vsb|pic|fra)[A-Z]"));
    return control.match(name).hasMatch();
}

} // namespace

QString HelpTopics::TopicOf(const QString& controlName)
{
    static const QRegularExpression index(QStringLiteral("_\\d+$"));
    const QString name = QString(controlName).remove(index);
    return SharedTopics().value(name, name);
}

void HelpTopics::ApplyWhatsThis(QWidget* window, HelpSource& help)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() == window && IsControlName(control->objectName()))
            control->setWhatsThis(help.TopicText(TopicOf(control->objectName())));
    }
}
