#pragma once

#include "engine/LoanHost.h"
#include "engine/Money.h"
#include "engine/PayoffSimulation.h"

#include <QString>

#include <optional>

// One competing loan quote: the lender's terms, the payment the user means to
// make and who offers it, turned into the payment, payoff date and total
// interest. Setters mark the scenario changed only when a value really
// changes. Computed getters work from the current state every time; they
// throw MoneyOverflow (a std::overflow_error) when a figure leaves the range
// of money.
class CLoan
{
public:
    explicit CLoan(LoanHost& host);

    bool FinancePoints() const { return m_financePoints; }
    void SetFinancePoints(bool financePoints);
    // Percent of the starting amount.
    double Points() const { return m_points; }
    void SetPoints(double points);
    bool FinanceClosingCosts() const { return m_financeClosingCosts; }
    void SetFinanceClosingCosts(bool financeClosingCosts);
    Money ClosingCosts() const { return m_closingCosts; }
    void SetClosingCosts(Money closingCosts);
    // The window pushes its loan amount here and marks the change itself.
    void SetStartingAmount(Money startingAmount);
    Money StartingAmount() const { return m_startingAmount; }
    // What the points cost in money, financed or not.
    Money PointsCost() const;
    // The amount borrowed: the starting amount plus whatever is financed.
    Money StartingPrinciple() const;
    // Months.
    qint32 Term() const { return m_term; }
    void SetTerm(qint32 term);
    // Annual fraction: 0.065 is 6.5 %.
    double InterestRate() const { return m_interestRate; }
    void SetInterestRate(double interestRate);

    // Principal and interest per period, in whole cents.
    Money PandI() const;
    // True once after Payment raised the actual payment; reading clears it.
    bool Forced();
    // PandI plus the frequency's escrow share. Raises an actual payment that
    // is smaller, so read it before PayoffDate.
    Money Payment();
    // What Payment returns, without raising the actual payment.
    Money ScheduledPayment() const;
    // Day count of the last payment when paying the actual payment from
    // today; 0 when there is no date. Also computes Interest.
    double PayoffDate();
    // Whether the quote has everything PayoffDate needs: a principal, a rate,
    // a known frequency and an actual payment.
    bool HasPayoffInputs() const;
    // The simulation PayoffDate runs, at `payment` instead of the actual
    // payment, telling `record` of every payment; nothing when an input is
    // missing.
    std::optional<PayoffSimulation> SimulatePayoff(Money payment,
                                                   const PayoffSimulation::Recorder& record = {}) const;
    // The total interest of the last PayoffDate read.
    Money Interest() const { return m_lastInterest; }

    QString FrequencyCode() const { return m_frequencyCode; }
    void SetFrequencyCode(const QString& frequencyCode);
    // The frequency by its name in the active language.
    QString Frequency() const;
    void SetFrequency(const QString& frequency);
    Money ActualPayment() const { return m_actualPayment; }
    // Refuses a payment below Payment with the payment notice and keeps
    // Payment instead; 0 clears the actual payment.
    void SetActualPayment(Money actualPayment);
    QString Who() const { return m_who; }
    void SetWho(const QString& who);

    // What the lender's Loan Estimate shows beside the terms. The credit the
    // lender gives toward the closing costs.
    Money LenderCredit() const { return m_lenderCredit; }
    void SetLenderCredit(Money credit);
    // The monthly mortgage insurance premium the lender quotes.
    Money MortgageInsurance() const { return m_mortgageInsurance; }
    void SetMortgageInsurance(Money premium);
    // The APR the lender discloses, an annual fraction; none when not
    // entered, which differs from an entered 0.
    std::optional<double> DisclosedApr() const { return m_disclosedApr; }
    void SetDisclosedApr(std::optional<double> apr);

private:
    template <typename T>
    void Store(T& field, const T& value);
    QString Text(qint32 id) const;
    bool CanSimulate(Money payment) const;

    LoanHost& m_host;
    bool m_financePoints = false;
    double m_points = 0;
    bool m_financeClosingCosts = false;
    Money m_closingCosts;
    Money m_startingAmount;
    qint32 m_term = 0;
    double m_interestRate = 0;
    QString m_frequencyCode;
    Money m_actualPayment;
    bool m_forced = false;
    QString m_who;
    Money m_lastInterest;
    Money m_lenderCredit;
    Money m_mortgageInsurance;
    std::optional<double> m_disclosedApr;
};
