#include "app/Loan.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/Main.h"
#include "app/MessageBox.h"
#include "engine/DayCount.h"
#include "langlib/Resources.h"
#include "scenario/FieldFormat.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace {

// A scenario name the user must still type is shown on this colour.
const QColor RequiredColour(255, 208, 215);

QString Res(int id)
{
    return Language::LoadResString(id);
}

// A doubled ampersand in a text stands for one; a label shows the text as it
// is, so it gets the single one.
void SetCaption(QLabel* label, int id)
{
    label->setText(Res(id).replace(QStringLiteral("&&"), QStringLiteral("&")));
}

void SetCaption(QAbstractButton* button, int id)
{
    button->setText(Res(id));
}

void SetCaption(QMenu* menu, int id)
{
    menu->setTitle(Res(id));
}

void SetCaption(QAction* action, int id)
{
    action->setText(Res(id));
}

void SetTip(QWidget* control, int id)
{
    control->setToolTip(Res(id));
}

bool IsBlankName(const QString& name)
{
    return name.isEmpty() || name == QLatin1String(" ");
}

} // namespace

Loan::Loan()
{
    setObjectName(QStringLiteral("Loan"));
    setWindowTitle(MessageBox::ProgramTitle());
    SetupForm(this);
    BindFields();
    ConnectCommands();
    Load();
}

Loan::~Loan() = default;

// The loading sequence of the window, in its order.
void Loan::Load()
{
    m_largestRowIndex = LargestAllowedRowIndex;
    if (Language::Number() > 0) {
        LoadLanguage();
    } else {
        Language::SetNumber(static_cast<qint16>(-Language::Number()));
        ShowLanguageChecks();
    }
    FieldFormat::FixDecimalSeparator();
    m_paymentNoticeShown = false;
    m_settings.LoadWindowSettings();
    m_laidOutUpperIndex = 0;
    m_loadedUpperIndex = 0;
    ApplyLanguageTexts();
    for (int q = 0; q <= m_settings.DisplayedUpperIndex; ++q)
        Quotes.push_back(std::make_unique<CLoan>(*this));
    ArrangeGrid();
    ShowDefaultNextPayment();
    m_scenarioChanged = false;
}

void Loan::BindFields()
{
    auto termInMonths = [this] { return m_settings.TermInMonths; };
    txtLoanAmount->BindMoney([this] { return LoanAmount(); }, [this](Money v) { SetLoanAmount(v); });
    txtLoanTerm->BindTerm([this] { return LoanTerm(); }, [this](qint32 v) { SetLoanTerm(v); }, termInMonths);
    txtAnnualTaxes->BindMoney([this] { return EscrowTaxes(); }, [this](Money v) { SetEscrowTaxes(v); });
    txtAnnualInsurance->BindMoney([this] { return EscrowInsurance(); },
                                  [this](Money v) { SetEscrowInsurance(v); });
    txtCurLoanAmount->BindMoney([this] { return CurrentLoanAmount(); },
                                [this](Money v) { SetCurrentLoanAmount(v); });
    txtCurLoanTerm->BindTerm([this] { return CurrentTerm(); }, [this](qint32 v) { SetCurrentTerm(v); },
                             termInMonths);
    txtCurInterestRate->BindNumber([this] { return CurrentInterestRate(); },
                                   [this](double v) { SetCurrentInterestRate(v); });
    txtCurrentBalance->BindMoney([this] { return CurrentBalance(); },
                                 [this](Money v) { SetCurrentBalance(v); });
    txtCurActualPayment->BindMoney([this] { return CurrentActualPayment(); },
                                   [this](Money v) { SetCurrentActualPayment(v); });
    BindRowFields(0);
    cboLoanName->installEventFilter(this);
}

// Row d edits the quote of the same index, and shows what the quote then
// holds.
void Loan::BindRowFields(std::size_t d)
{
    auto quote = [this, d]() -> CLoan& { return *Quotes[d]; };
    txtPoints[d]->BindNumber([quote] { return quote().Points(); }, [this, quote, d](double v) {
        quote().SetPoints(v);
        txtPoints[d]->ShowValue();
    });
    txtInterestRate[d]->BindNumber([quote] { return quote().InterestRate(); }, [this, quote, d](double v) {
        quote().SetInterestRate(v);
        txtInterestRate[d]->ShowValue();
    });
    txtTerm[d]->BindTerm(
        [quote] { return quote().Term(); },
        [this, quote, d](qint32 v) {
            quote().SetTerm(v);
            txtTerm[d]->ShowValue();
        },
        [this] { return m_settings.TermInMonths; });
    txtActualPayment[d]->BindMoney([quote] { return quote().ActualPayment(); }, [this, quote, d](Money v) {
        quote().SetActualPayment(v);
        txtActualPayment[d]->ShowValue();
    });
}

void Loan::ConnectCommands()
{
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    for (const auto& [index, entry] : mnuToolsLanguageOpt)
        connect(entry, &QAction::triggered, this, [this, index = index] { LanguageChosen(index); });
    connect(cmdWhatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(dtNextPayment, &QDateEdit::dateChanged, this, &Loan::NextPaymentPicked);
}

Money Loan::LoanAmount() const { return m_loanAmount; }
qint32 Loan::LoanTerm() const { return m_loanTerm; }
Money Loan::EscrowMonthly() const { return m_escrowMonthly; }
double Loan::Today() const { return Clock::Today(); }
QString Loan::LoadResString(int id) const { return Res(id); }

void Loan::ShowPaymentNotice()
{
    MessageBox::Ok(Res(rsActualLessThanCalculated));
    m_paymentNoticeShown = true;
}

void Loan::MarkScenarioChanged()
{
    m_scenarioChanged = true;
}

QString Loan::LoanName() const { return m_loanName; }

void Loan::SetLoanName(const QString& name)
{
    m_loanName = name;
    cboLoanName->setEditText(name);
}

void Loan::SetLoanAmount(Money amount)
{
    if (m_loanAmount != amount)
        MarkScenarioChanged();
    m_loanAmount = amount;
    txtLoanAmount->ShowValue();
}

void Loan::SetLoanTerm(qint32 term)
{
    if (m_loanTerm != term)
        MarkScenarioChanged();
    m_loanTerm = term;
    txtLoanTerm->ShowValue();
}

Money Loan::EscrowTaxes() const { return m_escrowTaxes; }

void Loan::SetEscrowTaxes(Money taxes)
{
    if (m_escrowTaxes != taxes)
        MarkScenarioChanged();
    m_escrowTaxes = taxes;
    txtAnnualTaxes->ShowValue();
}

Money Loan::EscrowInsurance() const { return m_escrowInsurance; }

void Loan::SetEscrowInsurance(Money insurance)
{
    if (m_escrowInsurance != insurance)
        MarkScenarioChanged();
    m_escrowInsurance = insurance;
    txtAnnualInsurance->ShowValue();
}

// Derived from the yearly amounts, so it never counts as a change.
void Loan::SetEscrowMonthly(Money escrow)
{
    m_escrowMonthly = escrow;
    txtMonthlyEscrow->setText(FieldFormat::Currency(escrow));
}

Money Loan::CurrentLoanAmount() const { return m_currentLoanAmount; }

void Loan::SetCurrentLoanAmount(Money amount)
{
    if (m_currentLoanAmount != amount)
        MarkScenarioChanged();
    m_currentLoanAmount = amount;
    txtCurLoanAmount->ShowValue();
}

qint32 Loan::CurrentTerm() const { return m_currentTerm; }

void Loan::SetCurrentTerm(qint32 term)
{
    if (m_currentTerm != term)
        MarkScenarioChanged();
    m_currentTerm = term;
    txtCurLoanTerm->ShowValue();
}

double Loan::CurrentInterestRate() const { return m_currentInterestRate; }

void Loan::SetCurrentInterestRate(double rate)
{
    if (m_currentInterestRate != rate)
        MarkScenarioChanged();
    m_currentInterestRate = rate;
    txtCurInterestRate->ShowValue();
}

Money Loan::CurrentBalance() const { return m_currentBalance; }

void Loan::SetCurrentBalance(Money balance)
{
    if (m_currentBalance != balance)
        MarkScenarioChanged();
    m_currentBalance = balance;
    txtCurrentBalance->ShowValue();
}

Money Loan::CurrentActualPayment() const { return m_currentActualPayment; }

void Loan::SetCurrentActualPayment(Money payment)
{
    if (m_currentActualPayment != payment)
        MarkScenarioChanged();
    m_currentActualPayment = payment;
    txtCurActualPayment->ShowValue();
}

double Loan::CurrentNextPayment() const { return m_currentNextPayment; }

void Loan::SetCurrentNextPayment(double date)
{
    if (m_currentNextPayment != date)
        MarkScenarioChanged();
    m_currentNextPayment = date;
    const QSignalBlocker quiet(dtNextPayment);
    dtNextPayment->setDate(DayCount::ToDate(date));
}

Money Loan::CurrentPandI() const { return m_currentPandI; }

void Loan::SetCurrentPandI(Money pandI)
{
    m_currentPandI = pandI;
}

Money Loan::CurrentPayment() const { return m_currentPayment; }

void Loan::SetCurrentPayment(Money payment)
{
    if (m_currentPayment != payment)
        MarkScenarioChanged();
    m_currentPayment = payment;
    txtCurPayment->setText(FieldFormat::Currency(payment));
}

Money Loan::CurrentAmountLeft() const { return m_currentAmountLeft; }

void Loan::SetCurrentAmountLeft(Money amount)
{
    m_currentAmountLeft = amount;
    txtCurAmountLeft->setText(FieldFormat::Currency(amount));
    txtCurAmountLeft->setToolTip(QString());
}

Money Loan::CurrentInterestLeft() const { return m_currentInterestLeft; }

void Loan::SetCurrentInterestLeft(Money interest)
{
    m_currentInterestLeft = interest;
    txtCurInterestLeft->setText(FieldFormat::Currency(interest));
    txtCurInterestLeft->setToolTip(QString());
}

double Loan::CurrentPayoffDate() const { return m_currentPayoffDate; }

void Loan::SetCurrentPayoffDate(double date)
{
    m_currentPayoffDate = date;
    txtCurPayoffDate->setText(FieldFormat::ShortDate(date));
    txtCurPayoffDate->setToolTip(QString());
}

bool Loan::ScenarioChanged() const { return m_scenarioChanged; }
void Loan::SetScenarioChanged(bool changed) { m_scenarioChanged = changed; }
bool Loan::PaymentNoticeShown() const { return m_paymentNoticeShown; }
Settings& Loan::ProgramSettings() { return m_settings; }

// Both ways of changing the picker's date end here.
void Loan::NextPaymentPicked()
{
    const double picked = DayCount::FromDate(dtNextPayment->date());
    if (picked != m_currentNextPayment)
        MarkScenarioChanged();
    SetCurrentNextPayment(picked);
}

// The first day of the coming month, or today when today is the first.
void Loan::ShowDefaultNextPayment()
{
    SetCurrentNextPayment(Today());
    const QDate today = dtNextPayment->date();
    if (today.day() > 1) {
        const QSignalBlocker quiet(dtNextPayment);
        dtNextPayment->setDate(QDate(today.year(), today.month(), 1).addMonths(1));
    }
    NextPaymentPicked();
}

void Loan::LanguageChosen(int index)
{
    Language::SetNumber(static_cast<qint16>(index));
    LoadLanguage();
}

void Loan::ShowLanguageChecks()
{
    for (const auto& [index, entry] : mnuToolsLanguageOpt)
        entry->setChecked(Language::Number() == index);
}

QString Loan::TermUnit() const
{
    return Res(m_settings.TermInMonths ? rsMonths : rsYears);
}

void Loan::ApplyLanguageTexts()
{
    ShowLanguageChecks();

    SetCaption(mnuFile, rsMnuFile);
    SetCaption(mnuFileNew, rsMnuFileNew);
    SetCaption(mnuFileSave, rsMnuFileSave);
    SetCaption(mnuFileDelete, rsMnuFileDelete);
    SetCaption(mnuTools, rsMnuTools);
    SetCaption(mnuToolsOptions, rsMnuToolsOptions);
    SetCaption(mnuToolsLanguage, rsMnuToolsLanguage);
    SetCaption(mnuToolsLanguageOpt[1], rsMnuToolsLanguageEnglish);
    SetCaption(mnuToolsLanguageOpt[2], rsMnuToolsLanguageSpanish);
    SetCaption(mnuHelp, rsMnuHelp);
    SetCaption(mnuHelpContents, rsMnuHelpContents);
    SetCaption(mnuHelpSearch, rsMnuHelpSearch);
    SetCaption(mnuHelpAbout, rsMnuHelpAbout);

    lblLoanTerm->setText(Res(rsDefaultTerm) + TermUnit() + QStringLiteral("):"));
    lblCurLoanTerm->setText(Res(rsTerm) + QStringLiteral(" (") + TermUnit() + QStringLiteral("):"));

    SetCaption(lblLoanName, rsLoanName);
    SetCaption(lblLoanType, rsLoanType);
    SetCaption(lblLoanAmount, rsLoanAmount);
    SetCaption(lblAnnualTaxes, rsAnnualTaxes);
    SetCaption(lblAnnualInsurance, rsAnnualInsurance);
    SetCaption(lblMonthlyEscrow, rsMonthlyEscrow);
    SetCaption(lblCurrent, rsCurrent);
    SetCaption(cmdShare, rsShare);
    SetTip(cmdShare, rsShareToolTip);
    SetTip(cmdWhatsThis, rsWhatsThisToolTip);

    SetCaption(lblCurLoanAmount, rsLoanAmount);
    SetCaption(lblCurInterestRate, rsCurInterestRate);
    SetTip(lblCurInterestRate, rsCurInterestRateToolTip);
    SetCaption(lblCurrentBalance, rsCurrentBalance);
    SetTip(lblCurrentBalance, rsCurrentBalanceToolTip);
    SetCaption(lblCurPaymentFrequency, rsPaymentFrequency);
    SetCaption(lblCurPayment, rsCalculatedPayment);
    SetTip(lblCurPayment, rsCalculatedPaymentToolTip);
    SetCaption(lblCurActualPayment, rsActualPayment);
    SetTip(lblCurActualPayment, rsCurActualPaymentToolTip);
    SetCaption(lblActPaymentFrequency, rsActualFrequency);
    SetCaption(lblNextPayment, rsNextPayment);
    lblCurPayoffDate->setText(Res(rsPayoffDate) + QLatin1Char(':'));
    SetCaption(lblCurAmountLeft, rsAmountLeftToPay);
    SetCaption(lblCurInterestLeft, rsInterestLeftToPay);
    SetTip(dtNextPayment, rsNextPaymentToolTip);

    SetCaption(lblPoints, rsFPoints);
    SetCaption(lblInterestRate, rsInterestPct);
    SetCaption(lblTerm, rsTerm);
    SetCaption(lblFrequency, rsFrequency);
    SetCaption(lblPandI, rsPandI);
    SetCaption(lblPayment, rsPayment);
    SetCaption(lblActualPayment, rsActPayment);
    SetCaption(cmdPayoffDate, rsPayoffDate);
    SetCaption(cmdInterest, rsInterest);
    SetCaption(lblWho, rsWho);
    SetTip(lblPoints, rsPointsToolTip);
    SetTip(lblInterestRate, rsInterestRateToolTip);
    SetTip(lblTerm, rsTermToolTip);
    SetTip(lblFrequency, rsFrequencyToolTip);
    SetTip(lblPandI, rsPandIToolTip);
    SetTip(lblPayment, rsPaymentToolTip);
    SetTip(lblActualPayment, rsActualPaymentToolTip);
    SetTip(cmdPayoffDate, rsCmdPayoffDateToolTip);
    SetTip(cmdInterest, rsCmdInterestToolTip);
    SetTip(lblWho, rsWhoToolTip);

    for (int d = 0; d <= m_loadedUpperIndex; ++d)
        ApplyRowTexts(static_cast<std::size_t>(d));
}

void Loan::ApplyRowTexts(std::size_t d)
{
    SetTip(chkPoints[d], rsChkPointsToolTip);
    SetTip(txtPoints[d], rsPointsToolTip);
    SetTip(txtInterestRate[d], rsInterestRateToolTip);
    SetTip(txtTerm[d], rsTermToolTip);
    SetTip(cboFrequency[d], rsFrequencyToolTip);
    SetTip(txtPandI[d], rsPandIToolTip);
    SetTip(txtPayment[d], rsPaymentToolTip);
    SetTip(txtActualPayment[d], rsActualPaymentToolTip);
    SetTip(txtWho[d], rsWhoDoubleClick);
    SetTip(txtPayoffDate[d], rsPayoffDateToolTip);
    SetTip(txtInterest[d], rsInterestToolTip);
}

void Loan::closeEvent(QCloseEvent* event)
{
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    StoreSettings();
    event->accept();
}

// Asks about unsaved changes; false keeps the window open.
bool Loan::QueryUnload()
{
    if (!m_scenarioChanged)
        return true;
    const QString question = m_loanName.isEmpty()
                                 ? Res(rsSaveChanges)
                                 : Res(rsSaveChangesTo) + m_loanName + Res(rsQuestionMark);
    switch (MessageBox::Question(question, Res(rsSaveChanges),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        if (cboLoanName->currentText().isEmpty()) {
            QPalette required = cboLoanName->palette();
            required.setColor(QPalette::Base, RequiredColour);
            cboLoanName->setPalette(required);
            cboLoanName->setFocus();
            return false;
        }
        return true;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void Loan::StoreSettings()
{
    m_settings.CurrentLanguage = Language::Number();
    try {
        m_settings.SaveSettings();
    } catch (const std::exception& error) {
        MessageBox::Ok(QString::fromLocal8Bit(error.what()));
    }
}

// The scenario name box selects its text on entering and takes its text as
// the name on leaving; a name typed in clears the colour of a refused one.
bool Loan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cboLoanName && event->type() == QEvent::FocusIn)
        cboLoanName->lineEdit()->selectAll();
    if (watched == cboLoanName && event->type() == QEvent::FocusOut) {
        SetLoanName(cboLoanName->currentText());
        if (!IsBlankName(m_loanName))
            cboLoanName->setPalette(QPalette());
    }
    return QMainWindow::eventFilter(watched, event);
}
