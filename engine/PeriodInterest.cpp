#include "engine/PeriodInterest.h"

#include <cfloat>

PeriodInterest::PeriodInterest(const PaymentFrequency& frequency, double annualRate)
    : m_frequency(frequency)
    , m_annualRate(annualRate)
{
    using Kind = PaymentFrequency::Kind;
    switch (frequency.Which()) {
    case Kind::Monthly: m_factor = annualRate / 12; break;
    case Kind::Bimonthly: m_factor = annualRate / 24; break;
    case Kind::Biweekly: m_factor = annualRate * 14 / 365; break;
    case Kind::Quadweekly: m_factor = annualRate * 28 / 365; break;
    case Kind::Unknown: break;
    }
    // A factor below the normal range has lost the precision the margin
    // counts on; an infinite or undefined one has none.
    m_quick = std::isfinite(m_factor) && (m_factor == 0 || std::fabs(m_factor) >= DBL_MIN);
}
