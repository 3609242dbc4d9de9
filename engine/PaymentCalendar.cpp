#include "engine/PaymentCalendar.h"

#include "engine/DayCount.h"

PaymentCalendar::PaymentCalendar(const PaymentFrequency& frequency, double firstDueDate)
    : m_kind(frequency.Which())
    , m_date(firstDueDate)
{
}

void PaymentCalendar::Advance()
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
        m_date = DayCount::AddDays(m_date, 14);
        break;
    case Kind::Quadweekly:
        m_date = DayCount::AddDays(m_date, 28);
        break;
    case Kind::Unknown:
        break;
    }
}
