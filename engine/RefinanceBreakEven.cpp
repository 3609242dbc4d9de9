#include "engine/RefinanceBreakEven.h"

#include "engine/DayCount.h"

#include <algorithm>

namespace {

// Walks one loan's payments month by month: what was paid, without escrow,
// and what is still owed.
class Progress
{
public:
    explicit Progress(const RefinanceBreakEven::Loan& loan)
        : m_payments(loan.Schedule->Payments())
        , m_owed(loan.Balance)
        , m_extra(loan.Extra)
    {
    }

    void PayBefore(double date)
    {
        for (; m_next < m_payments.size() && m_payments[m_next].DueDate < date; ++m_next) {
            const auto& payment = m_payments[m_next];
            m_paid += payment.Principal + payment.Interest;
            if (m_extra && m_next < m_extra->size())
                m_paid += (*m_extra)[m_next];
            m_owed = payment.Balance;
        }
    }

    bool Done() const { return m_next == m_payments.size(); }
    Money PaidAndOwed() const { return m_paid + m_owed; }

private:
    const std::vector<AmortizationSchedule::Payment>& m_payments;
    const std::vector<Money>* m_extra;
    std::size_t m_next = 0;
    Money m_paid;
    Money m_owed;
};

double MonthlyAmount(Money payment, const PaymentFrequency& frequency)
{
    return payment.ToDouble() * frequency.PaymentsPerYear() / 12;
}

} // namespace

std::optional<int> RefinanceBreakEven::Month(const Loan& current, const Loan& quote, Money startingAmount,
                                             Money cashCosts, double today)
{
    if (!current.Schedule->PaysOff() || !quote.Schedule->PaysOff())
        return std::nullopt;
    Progress currentLoan(current);
    Progress newLoan(quote);
    const Money cashOut = startingAmount - current.Balance;
    for (int month = 1;; ++month) {
        const bool bothDone = currentLoan.Done() && newLoan.Done();
        const double end = MonthEnd(today, month);
        currentLoan.PayBefore(end);
        newLoan.PayBefore(end);
        if (currentLoan.PaidAndOwed() - (cashCosts + newLoan.PaidAndOwed() - cashOut) >= Money())
            return month;
        if (bothDone)
            return std::nullopt;
    }
}

double RefinanceBreakEven::MonthEnd(double today, int month)
{
    return DayCount::AddMonths(today, month);
}

std::optional<double> RefinanceBreakEven::SimplePaybackMonths(Money costs, Money currentPandI,
                                                              const PaymentFrequency& currentFrequency,
                                                              Money quotePandI,
                                                              const PaymentFrequency& quoteFrequency)
{
    if (currentPandI == Money() || quotePandI == Money() || !currentFrequency.IsKnown() || !quoteFrequency.IsKnown())
        return std::nullopt;
    const double saving = MonthlyAmount(currentPandI, currentFrequency) - MonthlyAmount(quotePandI, quoteFrequency);
    if (saving <= 0)
        return std::nullopt;
    return std::max(0.0, costs.ToDouble()) / saving;
}
