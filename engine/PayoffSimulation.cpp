#include "engine/PayoffSimulation.h"

#include "engine/PaymentCalendar.h"

PayoffSimulation::PayoffSimulation(Money balance, double annualRate,
                                   const PaymentFrequency& frequency, Money payment,
                                   Money escrowMonthly, double firstDueDate)
{
    Run(balance, annualRate, frequency, payment, escrowMonthly, firstDueDate);
}

void PayoffSimulation::Run(Money balance, double annualRate, const PaymentFrequency& frequency,
                           Money payment, Money escrowMonthly, double firstDueDate)
{
    const Money escrow = frequency.EscrowShare(escrowMonthly);
    PaymentCalendar calendar(frequency, firstDueDate);
    Money interestTotal;
    Money paidTotal;
    for (int payments = 1; payments <= MaxPayments; ++payments) {
        const Money interest = frequency.PeriodInterest(balance, annualRate);
        Money principal = payment - escrow - interest;
        if (principal > balance)
            principal = balance;
        else if (principal <= Money())
            return;
        else
            calendar.Advance();
        interestTotal += interest;
        paidTotal += escrow + principal + interest;
        balance -= principal;
        if (balance == Money()) {
            m_payoffDate = calendar.DueDate();
            m_interest = interestTotal;
            m_amountPaid = paidTotal;
            m_payments = payments;
            return;
        }
    }
}
