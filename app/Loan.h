#pragma once

#include "app/LoanForm.h"
#include "app/WindowServices.h"
#include "engine/CLoan.h"
#include "engine/Money.h"
#include "model/LoanDocument.h"
#include "model/ScenarioHistory.h"
#include "store/Settings.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class CurrentLoanSection;
class EditCommands;
class NewLoanSection;
class ScenarioCommands;
class QComboBox;
class QuoteGrid;
class QuoteOrder;
class QuoteRows;
class WindowCommands;

// The program's main window: the new loan, the grid of competing quotes and
// the current loan. The scenario is its document; the window's properties
// reach the document, and the fields show what the document signals.
class Loan : public QMainWindow, public LoanForm, public WindowServices
{
    Q_OBJECT

    // First of the members: Quotes refers into it.
    LoanDocument m_document;
    ScenarioHistory m_history;

public:
    static constexpr int LargestAllowedRowIndex = ScenarioData::MaxQuotes - 1;

    Loan();
    ~Loan() override;

    LoanDocument& Document() { return m_document; }
    const LoanDocument& Document() const { return m_document; }
    ScenarioHistory& History() { return m_history; }

    Money LoanAmount() const;
    qint32 LoanTerm() const;
    Money EscrowMonthly() const;
    double Today() const;
    QString LoadResString(int id) const;
    void ShowPaymentNotice();
    void MarkScenarioChanged();

    // The new loan.
    QString LoanName() const;
    void SetLoanName(const QString& name);
    void SetLoanAmount(Money amount);
    // Months.
    void SetLoanTerm(qint32 term);
    Money EscrowTaxes() const;
    void SetEscrowTaxes(Money taxes);
    Money EscrowInsurance() const;
    void SetEscrowInsurance(Money insurance);
    void SetEscrowMonthly(Money escrow);

    // The current loan. Rates are annual fractions, terms months, dates day
    // counts.
    Money CurrentLoanAmount() const;
    void SetCurrentLoanAmount(Money amount);
    qint32 CurrentTerm() const;
    void SetCurrentTerm(qint32 term);
    double CurrentInterestRate() const;
    void SetCurrentInterestRate(double rate);
    Money CurrentBalance() const;
    void SetCurrentBalance(Money balance);
    Money CurrentActualPayment() const;
    void SetCurrentActualPayment(Money payment);
    double CurrentNextPayment() const;
    void SetCurrentNextPayment(double date);
    Money CurrentPandI() const;
    void SetCurrentPandI(Money pandI);
    Money CurrentPayment() const;
    void SetCurrentPayment(Money payment);
    Money CurrentAmountLeft() const;
    void SetCurrentAmountLeft(Money amount);
    Money CurrentInterestLeft() const;
    void SetCurrentInterestLeft(Money interest);
    double CurrentPayoffDate() const;
    void SetCurrentPayoffDate(double date);

    // Unsaved changes in the scenario.
    bool ScenarioChanged() const;
    void SetScenarioChanged(bool changed);
    bool PaymentNoticeShown() const;

    // The settings in memory for the whole run.
    Settings& ProgramSettings() override;

    // Stores the settings in memory, reporting a failure.
    void StoreSettings() override;
    // Takes in what the focused field holds, as leaving it would; false when
    // the field refused it.
    bool CommitPendingEdit() override;
    QWidget& Window() override;

    // Every caption and tooltip of the window from the bound language library.
    void ApplyLanguageTexts() override;
    // Checks exactly the language menu entry of the current language.
    void ShowLanguageChecks();

    // One quote per row, by quote index: the document's.
    std::vector<std::unique_ptr<CLoan>>& Quotes;

    // ---- New-loan and current-loan sections, saved scenarios ----
    // What leaving the name box does: its text becomes the name, and a
    // usable name clears the colour of a refused one.
    void CommitLoanNameEdit();
    // The loan type by its name in the active language, held as its code.
    // Reading it first takes over a name or loan amount still being typed.
    QString LoanType();
    void SetLoanType(const QString& name);
    QString LoanTypeCode() const;
    void FillLoanTypeList();
    void RefreshLoanTypeText();

    // The two frequencies by their names, held as codes; a change of the
    // scheduled one carries the actual one with it.
    QString CurrentFrequency() const;
    void SetCurrentFrequency(const QString& name);
    QString CurrentActualFrequency() const;
    void SetCurrentActualFrequency(const QString& name);
    QString CurrentFrequencyCode() const;
    QString CurrentActualFrequencyCode() const;
    void RecalcCurrentPayment();
    void RecalcCurrentPayoff();
    void RefreshFrequencyTexts();

    // False when nothing was saved; the reason has been shown.
    bool SaveScenario();
    void LoadScenario();
    bool DeleteScenario();
    void ClearScenario();
    void FillLoanNameList();
    // ---- end of the sections' block ----

    // ---- Quote rows, the grid and the sorts ----
    // The quote index that row shows in the current sort mode.
    quint16 R(quint16 row) const;
    // 1 natural order, 2 least interest, 3 soonest payoff.
    qint32 SortMode() const;
    QuoteOrder& Order();

    // Row d shows the quote R(d) holds; each writes its field from it.
    void ShowFinancePoints(int d);
    void ShowPoints(int d);
    void ShowInterestRate(int d);
    void ShowTerm(int d) override;
    void ShowFrequency(int d);
    void ShowPandI(int d);
    void ShowPayment(int d);
    void ShowActualPayment(int d);
    void ShowPayoffDate(int d);
    void ShowInterest(int d);
    void ShowWho(int d);
    // The four results, in the order the quote needs them read.
    void RefreshQuoteRow(int d);
    // Empties every field of row d; the quote keeps its values.
    void ClearQuoteRow(int d);
    // Adds the frequency names to an empty list; a list with entries is
    // left alone.
    void FillFrequencyList(QComboBox* list);

    // Highest row index whose fields exist.
    int LoadedUpperIndex() const;
    // Makes rows 0 to upperIndex (at most the grid's limit) with quotes
    // behind them, and scrolls back to the top.
    void LoadRowsUpTo(int upperIndex);
    // Sizes the grid and the window anew when the number of rows shown at
    // once has changed.
    void RelayoutGrid() override;
    // Loads and tiles the wallpaper of the settings, reporting a file that
    // fails.
    void LoadWallpaper() override;
    // ---- end of the rows' block ----

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void ConnectDocument();
    void BindFields();
    void ConnectCommands();
    void LanguageChosen(int index);
    // The scenario's name and whether it has unsaved changes.
    void ShowTitle();
    bool QueryUnload();
    void ConnectRowHandlers();
    QString TermUnit() const;

    Settings m_settings;

    std::unique_ptr<WindowCommands> m_commands;

    // ---- Quote rows, the grid and the sorts ----
    std::unique_ptr<QuoteRows> m_rows;
    std::unique_ptr<QuoteGrid> m_grid;
    // ---- end of the rows' block ----

    // ---- New-loan and current-loan sections, saved scenarios ----
    void ConnectSections();
    // The lists of language texts get the new language's names and show the
    // stored codes again.
    void RefillLanguageLists();

    // Gone before the fields they watch, so no field's last focus-out during
    // the window's destruction reaches them.
    std::unique_ptr<NewLoanSection> m_newLoanSection;
    std::unique_ptr<CurrentLoanSection> m_currentLoanSection;
    std::unique_ptr<ScenarioCommands> m_scenarioCommands;
    std::unique_ptr<EditCommands> m_editCommands;
    // ---- end of the sections' block ----
};
