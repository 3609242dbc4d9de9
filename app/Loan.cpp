#include "app/Loan.h"

#include "app/AccessibleNames.h"
#include "app/Clock.h"
#include "app/EditCommands.h"
#include "app/Language.h"
#include "app/LanguageNotice.h"
#include "app/LoadLanguage.h"
#include "app/MessageBox.h"
#include "app/QuoteGrid.h"
#include "app/SortCommands.h"
#include "app/WheelGuard.h"
#include "app/WindowCommands.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"
#include "langlib/Resources.h"
#include "scenario/ChoiceList.h"
#include "scenario/CurrentLoanSection.h"
#include "model/FieldFormat.h"
#include "model/LoanTypes.h"
#include "scenario/NewLoanSection.h"
#include "scenario/ResultReason.h"
#include "scenario/ScenarioCommands.h"
#include "model/ScenarioName.h"
#include "sheet/QuoteDrag.h"
#include "sheet/QuoteRows.h"
#include "sheet/RowCommands.h"
#include "sheet/WhoEditing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
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

namespace {

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

} // namespace

Loan::Loan()
    : m_document(Res, &Clock::Today)
    , m_history(m_document)
    , Quotes(m_document.Quotes)
{
    setObjectName(QStringLiteral("Loan"));
    ShowTitle();
    // Before the controls exist, so that each is polished under its watch.
    WheelGuard::Install();
    SetupForm(this);
    m_rows = std::make_unique<QuoteRows>(*this, m_document, m_settings);
    m_grid = std::make_unique<QuoteGrid>(*this, *this, *m_rows, m_settings, m_document);
    ConnectDocument();
    connect(&LanguageNotice::Instance(), &LanguageNotice::Bound, this, [this] {
        ApplyLanguageTexts();
        ShowLanguageChecks();
    });
    BindFields();
    ConnectCommands();
    ConnectSections();
    Load();
}

Loan::~Loan() = default;

// The loading sequence of the window, in its order.
void Loan::Load()
{
    if (Language::Number() > 0) {
        LoadLanguage();
    } else {
        Language::SetNumber(static_cast<qint16>(-Language::Number()));
        ShowLanguageChecks();
    }
    FieldFormat::FixDecimalSeparator();
    m_document.ForgetPaymentNotice();
    m_settings.LoadWindowSettings();
    ApplyLanguageTexts();
    m_document.GrowQuotes(static_cast<std::size_t>(m_settings.DisplayedUpperIndex + 1));
    m_grid->Arrange();
    LoadWallpaper();
    RelayoutGrid();
    m_document.SetDefaultNextPayment();
    m_history.Restart();
    m_document.SetScenarioChanged(false);
}

// What the document has to say reaches the user at once, in its order.
void Loan::ConnectDocument()
{
    connect(&m_document, &LoanDocument::PaymentNoticeRequested, this,
            [] { MessageBox::Ok(Res(rsActualLessThanCalculated)); });
    connect(&m_document, &LoanDocument::LoadFailed, this, [](const QString& message) { MessageBox::Ok(message); });
    connect(&m_document, &LoanDocument::Changed, this, [this](LoanDocument::Value value) {
        if (value == LoanDocument::Value::LoanName)
            ShowTitle();
    });
    connect(&m_document, &LoanDocument::UnsavedChangesChanged, this, &Loan::ShowTitle);
    // Leaving a field ends what the user did there.
    connect(qApp, &QApplication::focusChanged, &m_history, &ScenarioHistory::EndStep);
}

void Loan::ShowTitle()
{
    const QString name = m_document.LoanName();
    const QString program = MessageBox::ProgramTitle() + QStringLiteral("[*]");
    setWindowTitle(name.isEmpty() ? program : name + QStringLiteral(" \u2014 ") + program);
    setWindowModified(m_document.ScenarioChanged());
}

void Loan::BindFields()
{
    auto termInMonths = [this] { return m_settings.TermInMonths; };
    txtLoanAmount->BindMoney([this] { return LoanAmount(); }, [this](Money v) { SetLoanAmount(v); });
    txtLoanTerm->BindTerm([this] { return LoanTerm(); }, [this](qint32 v) { SetLoanTerm(v); }, termInMonths);
    // Leaving these fields recomputes the current loan's scheduled payment.
    txtAnnualTaxes->BindMoney([this] { return EscrowTaxes(); }, [this](Money v) {
        SetEscrowTaxes(v);
        RecalcCurrentPayment();
    });
    txtAnnualInsurance->BindMoney([this] { return EscrowInsurance(); }, [this](Money v) {
        SetEscrowInsurance(v);
        RecalcCurrentPayment();
    });
    txtCurLoanAmount->BindMoney([this] { return CurrentLoanAmount(); }, [this](Money v) {
        SetCurrentLoanAmount(v);
        RecalcCurrentPayment();
    });
    txtCurLoanTerm->BindTerm(
        [this] { return CurrentTerm(); },
        [this](qint32 v) {
            SetCurrentTerm(v);
            RecalcCurrentPayment();
        },
        termInMonths);
    txtCurInterestRate->BindNumber([this] { return CurrentInterestRate(); }, [this](double v) {
        SetCurrentInterestRate(v);
        RecalcCurrentPayment();
    });
    txtCurrentBalance->BindMoney([this] { return CurrentBalance(); }, [this](Money v) {
        SetCurrentBalance(v);
        RecalcCurrentPayment();
    });
    txtCurActualPayment->BindMoney([this] { return CurrentActualPayment(); }, [this](Money v) {
        SetCurrentActualPayment(v);
        RecalcCurrentPayment();
    });
    m_rows->SetUpRow(0);
}

void Loan::ConnectCommands()
{
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    for (const auto& [index, entry] : mnuToolsLanguageOpt)
        connect(entry, &QAction::triggered, this, [this, index = index] { LanguageChosen(index); });
    m_commands = std::make_unique<WindowCommands>(*this, *this, m_document);
    ConnectRowHandlers();
}

// Dragging between rows, the lender editor and the rows' own commands, on
// the rows there are and on every row made later.
void Loan::ConnectRowHandlers()
{
    auto* drag = new QuoteDrag(*this, *this, m_document, *m_rows);
    auto* who = new WhoEditing(*this, *this, m_document, *m_rows);
    auto* commands = new RowCommands(*this, m_document, this);
    for (int d = 0; d <= LoadedUpperIndex(); ++d) {
        drag->SetUpRow(d);
        who->SetUpRow(d);
        commands->SetUpRow(d);
    }
    connect(m_rows.get(), &QuoteRows::RowSetUp, drag, &QuoteDrag::SetUpRow);
    connect(m_rows.get(), &QuoteRows::RowSetUp, who, &WhoEditing::SetUpRow);
    connect(m_rows.get(), &QuoteRows::RowSetUp, commands, &RowCommands::SetUpRow);
}

Money Loan::LoanAmount() const { return m_document.LoanAmount(); }
qint32 Loan::LoanTerm() const { return m_document.LoanTerm(); }
Money Loan::EscrowMonthly() const { return m_document.EscrowMonthly(); }
double Loan::Today() const { return m_document.Today(); }
QString Loan::LoadResString(int id) const { return m_document.LoadResString(id); }
void Loan::ShowPaymentNotice() { m_document.ShowPaymentNotice(); }
void Loan::MarkScenarioChanged() { m_document.MarkScenarioChanged(); }

QString Loan::LoanName() const { return m_document.LoanName(); }
void Loan::SetLoanName(const QString& name) { m_document.SetLoanName(name); }

void Loan::SetLoanAmount(Money amount) { m_document.SetLoanAmount(amount); }
void Loan::SetLoanTerm(qint32 term) { m_document.SetLoanTerm(term); }
Money Loan::EscrowTaxes() const { return m_document.EscrowTaxes(); }
void Loan::SetEscrowTaxes(Money taxes) { m_document.SetEscrowTaxes(taxes); }
Money Loan::EscrowInsurance() const { return m_document.EscrowInsurance(); }
void Loan::SetEscrowInsurance(Money insurance) { m_document.SetEscrowInsurance(insurance); }
void Loan::SetEscrowMonthly(Money escrow) { m_document.SetEscrowMonthly(escrow); }

Money Loan::CurrentLoanAmount() const { return m_document.CurrentLoanAmount(); }
void Loan::SetCurrentLoanAmount(Money amount) { m_document.SetCurrentLoanAmount(amount); }
qint32 Loan::CurrentTerm() const { return m_document.CurrentTerm(); }
void Loan::SetCurrentTerm(qint32 term) { m_document.SetCurrentTerm(term); }
double Loan::CurrentInterestRate() const { return m_document.CurrentInterestRate(); }
void Loan::SetCurrentInterestRate(double rate) { m_document.SetCurrentInterestRate(rate); }
Money Loan::CurrentBalance() const { return m_document.CurrentBalance(); }
void Loan::SetCurrentBalance(Money balance) { m_document.SetCurrentBalance(balance); }
Money Loan::CurrentActualPayment() const { return m_document.CurrentActualPayment(); }
void Loan::SetCurrentActualPayment(Money payment) { m_document.SetCurrentActualPayment(payment); }
double Loan::CurrentNextPayment() const { return m_document.CurrentNextPayment(); }
void Loan::SetCurrentNextPayment(double date) { m_document.SetCurrentNextPayment(date); }
Money Loan::CurrentPandI() const { return m_document.CurrentPandI(); }
void Loan::SetCurrentPandI(Money pandI) { m_document.SetCurrentPandI(pandI); }
Money Loan::CurrentPayment() const { return m_document.CurrentPayment(); }
void Loan::SetCurrentPayment(Money payment) { m_document.SetCurrentPayment(payment); }
Money Loan::CurrentAmountLeft() const { return m_document.CurrentAmountLeft(); }
void Loan::SetCurrentAmountLeft(Money amount) { m_document.SetCurrentAmountLeft(amount); }
Money Loan::CurrentInterestLeft() const { return m_document.CurrentInterestLeft(); }
void Loan::SetCurrentInterestLeft(Money interest) { m_document.SetCurrentInterestLeft(interest); }
double Loan::CurrentPayoffDate() const { return m_document.CurrentPayoffDate(); }
void Loan::SetCurrentPayoffDate(double date) { m_document.SetCurrentPayoffDate(date); }

bool Loan::ScenarioChanged() const { return m_document.ScenarioChanged(); }
void Loan::SetScenarioChanged(bool changed) { m_document.SetScenarioChanged(changed); }
bool Loan::PaymentNoticeShown() const { return m_document.PaymentNoticeShown(); }
Settings& Loan::ProgramSettings() { return m_settings; }
QWidget& Loan::Window() { return *this; }

void Loan::LanguageChosen(int index)
{
    Language::SetNumber(static_cast<qint16>(index));
    LoadLanguage();
    RefillLanguageLists();
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
    ResultReason::Retranslate(this);

    SetCaption(mnuFile, rsMnuFile);
    SetCaption(mnuFileNew, rsMnuFileNew);
    SetCaption(mnuFileSave, rsMnuFileSave);
    SetCaption(mnuFileSaveAs, rsMnuFileSaveAs);
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
    SetCaption(lblFirstPayment, rsFirstPayment);
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

    m_rows->ApplyTexts();
    AccessibleNames::Apply(*this);
    m_commands->ApplyLanguage();
    if (m_editCommands)
        m_editCommands->ApplyTexts();
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

// Asks about unsaved changes, counting what is still being typed; false
// keeps the window open.
bool Loan::QueryUnload()
{
    return CommitPendingEdit() && m_scenarioCommands->ResolveUnsavedChanges();
}

bool Loan::CommitPendingEdit()
{
    return m_scenarioCommands->CommitPendingEdit();
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

// ---- New-loan and current-loan sections, saved scenarios ----

void Loan::ConnectSections()
{
    m_newLoanSection = std::make_unique<NewLoanSection>(*this, m_document);
    m_currentLoanSection = std::make_unique<CurrentLoanSection>(*this, m_document);
    m_scenarioCommands = std::make_unique<ScenarioCommands>(*this, *this, m_document, m_history);
    m_editCommands = std::make_unique<EditCommands>(*this, *this, m_history, *m_scenarioCommands);
    new SortCommands(*this, *this, *m_scenarioCommands);
    connect(m_scenarioCommands.get(), &ScenarioCommands::RowFieldToCommit, m_rows.get(), &QuoteRows::CommitFieldEdit);
}

QString Loan::LoanType()
{
    if (focusWidget() == cboLoanName)
        CommitLoanNameEdit();
    else if (focusWidget() == txtLoanAmount
             && FieldFormat::IsValidNumber(txtLoanAmount->text(), txtLoanAmount->AllowedDecimals()))
        txtLoanAmount->CommitEdit();
    return m_newLoanSection->LoanTypeName();
}

// Always counts as a change, even when the type stays the same.
void Loan::SetLoanType(const QString& name) { m_newLoanSection->ChooseLoanType(name); }
void Loan::CommitLoanNameEdit() { m_scenarioCommands->CommitLoanNameEdit(); }
QString Loan::LoanTypeCode() const { return m_document.LoanTypeCode(); }
void Loan::FillLoanTypeList() { m_newLoanSection->FillLoanTypeList(); }
void Loan::RefreshLoanTypeText() { m_newLoanSection->RefreshLoanTypeText(); }

QString Loan::CurrentFrequency() const { return m_currentLoanSection->FrequencyName(); }
void Loan::SetCurrentFrequency(const QString& name) { m_currentLoanSection->ChooseFrequency(name); }
QString Loan::CurrentActualFrequency() const { return m_currentLoanSection->ActualFrequencyName(); }
void Loan::SetCurrentActualFrequency(const QString& name) { m_currentLoanSection->ChooseActualFrequency(name); }
QString Loan::CurrentFrequencyCode() const { return m_document.CurrentFrequencyCode(); }
QString Loan::CurrentActualFrequencyCode() const { return m_document.CurrentActualFrequencyCode(); }

void Loan::RecalcCurrentPayment() { m_document.RecalcCurrentPayment(); }
void Loan::RecalcCurrentPayoff() { m_document.RecalcCurrentPayoff(); }
void Loan::RefreshFrequencyTexts() { m_currentLoanSection->RefreshFrequencyTexts(); }

bool Loan::SaveScenario() { return m_scenarioCommands->SaveScenario(); }
void Loan::LoadScenario() { m_scenarioCommands->LoadScenario(); }
bool Loan::DeleteScenario() { return m_scenarioCommands->DeleteScenario(); }
void Loan::ClearScenario() { m_scenarioCommands->ClearScenario(); }
void Loan::FillLoanNameList() { m_scenarioCommands->FillLoanNameList(); }

// In the order the lists stand in the window; the quote rows come last. The
// name list starts with the new-scenario entry, a language text too.
void Loan::RefillLanguageLists()
{
    if (cboLoanName->count() > 0)
        FillLoanNameList();
    m_newLoanSection->RefillLoanTypeList();
    m_currentLoanSection->RefillFrequencyLists();
    m_rows->RefillFrequencyLists();
}

// ---- Quote rows, the grid and the sorts ----

quint16 Loan::R(quint16 row) const { return m_document.Order().R(row); }
qint32 Loan::SortMode() const { return m_document.Order().SortMode(); }
QuoteOrder& Loan::Order() { return m_document.Order(); }

void Loan::ShowFinancePoints(int d) { m_rows->ShowFinancePoints(d); }
void Loan::ShowPoints(int d) { m_rows->ShowPoints(d); }
void Loan::ShowInterestRate(int d) { m_rows->ShowInterestRate(d); }
void Loan::ShowTerm(int d) { m_rows->ShowTerm(d); }
void Loan::ShowFrequency(int d) { m_rows->ShowFrequency(d); }
void Loan::ShowPandI(int d) { m_rows->ShowPandI(d); }
void Loan::ShowPayment(int d) { m_rows->ShowPayment(d); }
void Loan::ShowActualPayment(int d) { m_rows->ShowActualPayment(d); }
void Loan::ShowPayoffDate(int d) { m_rows->ShowPayoffDate(d); }
void Loan::ShowInterest(int d) { m_rows->ShowInterest(d); }
void Loan::ShowWho(int d) { m_rows->ShowWho(d); }
void Loan::RefreshQuoteRow(int d) { m_rows->RefreshQuoteRow(d); }
void Loan::ClearQuoteRow(int d) { m_rows->ClearQuoteRow(d); }
void Loan::FillFrequencyList(QComboBox* list) { ChoiceList::Fill(list, PaymentFrequency::Names(Res)); }

int Loan::LoadedUpperIndex() const { return m_grid->LoadedUpperIndex(); }
void Loan::LoadRowsUpTo(int upperIndex) { m_grid->LoadRowsUpTo(upperIndex); }
void Loan::RelayoutGrid() { m_grid->Relayout(); }
void Loan::LoadWallpaper() { m_grid->LoadWallpaper(); }
// ---- end of the rows' block ----
