#include "engine/PaymentCalendar.h"

PaymentCalendar::PaymentCalendar(const PaymentFrequency& frequency, double firstDueDate)
    : m_kind(frequency.Which())
    , m_date(firstDueDate)
{
    if (m_kind == PaymentFrequency::Kind::Biweekly)
        m_stepDays = 14;
    else if (m_kind == PaymentFrequency::Kind::Quadweekly)
        m_stepDays = 28;
}

void PaymentCalendar::AdvanceByMonth()
{
    using Kind = PaymentFrequency::Kind;
    switch (m_kind) {
    case Kind::Monthly:
        m_date = DayCount::AddMonths(m_date, 1);
        break;
    case Kind::Bimonthly:
        if (m_nextIsHalfMonth) {
            m_halfMonthBase = m_date;
            m_date = DayCount::AddDays(m_date, 14);
        } else {
            m_date = DayCount::AddMonths(m_halfMonthBase, 1);
        }
        m_nextIsHalfMonth = !m_nextIsHalfMonth;
        break;
    case Kind::Biweekly:
    case Kind::Quadweekly:
    case Kind::Unknown:
        break;
    }
}
