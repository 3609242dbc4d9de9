#pragma once

#include "engine/Money.h"
#include "engine/PaymentFrequency.h"

#include <functional>

// Pays a loan off period by period at a fixed payment: each period charges
// the frequency's interest on the remaining balance, the payment less the
// escrow share and that interest goes to principal, and the due date moves
// one step of the frequency. The last payment, which takes only what is left,
// does not move the date, so the payoff date is the due date of the last
// payment. The simulation runs when it is constructed.
//
// A payment that leaves nothing for principal (when the balance is not yet
// covered), or a payoff needing more than MaxPayments payments, means the
// loan is never paid off: the payoff date, interest and amount paid are all 0.
// Throws MoneyOverflow when a figure leaves the range of money.
class PayoffSimulation
{
public:
    // More payments than anyone makes on one loan: over 380 years even at 26
    // payments a year. Keeps every run short and every date printable.
    static constexpr int MaxPayments = 10000;

    // One payment as the simulation makes it: the balance is what is owed
    // after it.
    struct Record
    {
        int Number = 0;
        double DueDate = 0;
        Money Interest;
        Money Principal;
        Money Escrow;
        Money Balance;

        Money Payment() const { return Interest + Principal + Escrow; }
    };
    // Told of every payment as it is made, also of those of a loan that
    // turns out never to be paid off.
    using Recorder = std::function<void(const Record&)>;

    PayoffSimulation(Money balance, double annualRate, const PaymentFrequency& frequency,
                     Money payment, Money escrowMonthly, double firstDueDate,
                     const Recorder& record = {});

    bool PaysOff() const { return m_payments > 0; }
    // Day count of the last payment; 0 when the loan is never paid off.
    double PayoffDate() const { return m_payoffDate; }
    Money Interest() const { return m_interest; }
    // Everything paid until the payoff: escrow, principal and interest.
    Money AmountPaid() const { return m_amountPaid; }
    int Payments() const { return m_payments; }

private:
    void Run(Money balance, double annualRate, const PaymentFrequency& frequency,
             Money payment, Money escrowMonthly, double firstDueDate, const Recorder& record);

    double m_payoffDate = 0;
    Money m_interest;
    Money m_amountPaid;
    int m_payments = 0;
};
