#pragma once

#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"

// The due dates of a run of payments, as day counts. Monthly payments step a
// calendar month; twice-monthly payments step 14 days and then one calendar
// month from the date before those 14 days, alternately, so they stay on the
// same two days of each month; the weekly frequencies step 14 or 28 days; an
// unknown frequency never moves.
class PaymentCalendar
{
public:
    PaymentCalendar(const PaymentFrequency& frequency, double firstDueDate);

    double DueDate() const { return m_date; }
    void Advance()
    {
        // The weekly steps are a plain count of days, taken here without a
        // call for each of the hundreds of payments.
        if (m_stepDays != 0)
            m_date = DayCount::AddDays(m_date, m_stepDays);
        else
            AdvanceByMonth();
    }

private:
    void AdvanceByMonth();

    PaymentFrequency::Kind m_kind;
    int m_stepDays = 0;
    double m_date;
    double m_halfMonthBase = 0;
    bool m_nextIsHalfMonth = true;
};
