#include "engine/PayoffSimulation.h"

#include "engine/PaymentCalendar.h"
#include "engine/PeriodInterest.h"

PayoffSimulation::PayoffSimulation(Money balance, double annualRate,
                                   const PaymentFrequency& frequency, Money payment,
                                   Money escrowMonthly, double firstDueDate, const Recorder& record)
{
    Run(balance, annualRate, frequency, payment, escrowMonthly, firstDueDate, record);
}

void PayoffSimulation::Run(Money balance, double annualRate, const PaymentFrequency& frequency,
                           Money payment, Money escrowMonthly, double firstDueDate,
                           const Recorder& record)
{
    const Money escrow = frequency.EscrowShare(escrowMonthly);
    PaymentCalendar calendar(frequency, firstDueDate);
    const PeriodInterest periodInterest(frequency, annualRate);
    Money interestTotal;
    Money paidTotal;
    for (int payments = 1; payments <= MaxPayments; ++payments) {
        const Money interest = periodInterest.Of(balance);
        Money principal = payment - escrow - interest;
        double dueDate = calendar.DueDate();
        if (principal > balance)
            principal = balance;
        else if (principal <= Money())
            return;
        else
            calendar.Advance();
        interestTotal += interest;
        paidTotal += escrow + principal + interest;
        balance -= principal;
        // A last payment that exactly matches the balance has moved the date
        // like any other; the payoff date names the day it is reported on.
        if (balance == Money())
            dueDate = calendar.DueDate();
        if (record)
            record({payments, dueDate, interest, principal, escrow, balance});
        if (balance == Money()) {
            m_payoffDate = calendar.DueDate();
            m_interest = interestTotal;
            m_amountPaid = paidTotal;
            m_payments = payments;
            return;
        }
    }
}
