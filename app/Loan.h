#pragma once

#include "app/LoanForm.h"
#include "engine/CLoan.h"
#include "engine/LoanHost.h"
#include "engine/Money.h"
#include "scenario/Settings.h"

#include <QMainWindow>

#include <memory>
#include <vector>

// The program's main window: the new loan, the grid of competing quotes and
// the current loan. It owns the scenario: its properties hold the values and
// the fields only show them; a setter stores its value, marks the scenario
// changed when the value differs and rewrites its field.
class Loan : public QMainWindow, public LoanForm, public LoanHost
{
    Q_OBJECT

public:
    static constexpr int LargestAllowedRowIndex = 15;

    Loan();
    ~Loan() override;

    // What a quote asks of its window.
    Money LoanAmount() const override;
    qint32 LoanTerm() const override;
    Money EscrowMonthly() const override;
    double Today() const override;
    QString LoadResString(int id) const override;
    void ShowPaymentNotice() override;
    void MarkScenarioChanged() override;

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
    Settings& ProgramSettings();

    // Every caption and tooltip of the window from the bound language library.
    void ApplyLanguageTexts();
    // Checks exactly the language menu entry of the current language.
    void ShowLanguageChecks();

    // One quote per row, by quote index.
    std::vector<std::unique_ptr<CLoan>> Quotes;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void BindFields();
    void BindRowFields(std::size_t d);
    void ConnectCommands();
    void LanguageChosen(int index);
    void NextPaymentPicked();
    void ShowDefaultNextPayment();
    bool QueryUnload();
    void StoreSettings();
    void ApplyRowTexts(std::size_t d);
    QString TermUnit() const;

    Settings m_settings;

    QString m_loanName;
    Money m_loanAmount;
    qint32 m_loanTerm = 0;
    Money m_escrowTaxes;
    Money m_escrowInsurance;
    Money m_escrowMonthly;

    Money m_currentLoanAmount;
    qint32 m_currentTerm = 0;
    double m_currentInterestRate = 0;
    Money m_currentBalance;
    Money m_currentActualPayment;
    double m_currentNextPayment = 0;
    Money m_currentPandI;
    Money m_currentPayment;
    Money m_currentAmountLeft;
    Money m_currentInterestLeft;
    double m_currentPayoffDate = 0;

    bool m_scenarioChanged = false;
    bool m_paymentNoticeShown = false;

    int m_largestRowIndex = LargestAllowedRowIndex;
    int m_laidOutUpperIndex = 0;
    int m_loadedUpperIndex = 0;
};
