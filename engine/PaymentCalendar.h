#pragma once

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
    void Advance();

private:
    PaymentFrequency::Kind m_kind;
    double m_date;
    double m_halfMonthBase = 0;
    bool m_nextIsHalfMonth = true;
};
