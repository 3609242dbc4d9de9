#pragma once

#include "engine/AmortizationSchedule.h"
#include "engine/Money.h"
#include "engine/PaymentFrequency.h"

#include <optional>
#include <vector>

// When switching from the current loan to a quote has paid for itself.
// Month m of the switch runs from today plus m - 1 months to today plus m
// months; a payment counts in the months from its due date on. At the end of
// month m the switch is ahead by
//     (current-loan payments so far + current balance owed)
//   - (up-front cash costs + quote payments so far + quote balance owed
//      - (starting amount - current balance)),
// escrow left out of the payments on both sides, mortgage insurance counted
// with them. The break-even is the first
// month at whose end that is 0 or more; none when it never is before both
// loans are paid off.
class RefinanceBreakEven
{
public:
    struct Loan
    {
        const AmortizationSchedule* Schedule = nullptr;
        // Owed before the schedule's first payment.
        Money Balance;
        // What each payment carries besides principal and interest that
        // counts as paid, the mortgage insurance; none when empty.
        const std::vector<Money>* Extra = nullptr;
    };

    // `quote.Balance` is the amount borrowed; `startingAmount` what the new
    // loan pays out before points and costs.
    static std::optional<int> Month(const Loan& current, const Loan& quote, Money startingAmount,
                                    Money cashCosts, double today);
    // The day count at which month m ends.
    static double MonthEnd(double today, int month);

    // Months for the saving of the scheduled payments, each made a monthly
    // amount by its payments a year, to pay back all points and closing
    // costs; none when the quote saves nothing.
    static std::optional<double> SimplePaybackMonths(Money costs, Money currentPandI,
                                                     const PaymentFrequency& currentFrequency, Money quotePandI,
                                                     const PaymentFrequency& quoteFrequency);
};
