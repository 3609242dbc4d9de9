#pragma once

#include "engine/Money.h"
#include "engine/PaymentFrequency.h"

#include <cmath>

// The interest of one period at one rate, exactly as
// PaymentFrequency::PeriodInterest charges it, for the many balances of a
// payoff simulation. Each payment's interest waits on the balance the one
// before left, so the two divisions and three multiplications of that figure
// are what a simulation takes. Here it is the balance times a factor worked
// out once: that product differs from the charged figure by a few units in
// the last place at most, which changes the rounded interest only when the
// figure lies next to a half of a ten-thousandth; there, and wherever the
// bounds below do not hold, the figure is worked out the long way.
class PeriodInterest
{
public:
    PeriodInterest(const PaymentFrequency& frequency, double annualRate);

    Money Of(Money balance) const
    {
        const double units = static_cast<double>(balance.Raw()) * m_factor;
        const double size = std::fabs(units);
        if (m_quick && size < QuickLimit) {
            const double nearest = RoundToNearest(units);
            if (std::fabs(std::fabs(units - nearest) - 0.5) > size * Margin)
                return Money::FromRaw(static_cast<qint64>(nearest));
        }
        return m_frequency.PeriodInterest(balance, m_annualRate);
    }

private:
    // The long way rounds five times and the product three times, each by at
    // most 2^-53 of the figure: they lie less than 2^-49 of it apart. The
    // margin is four times that.
    static constexpr double Margin = 1.0 / (1LL << 47);
    // Below this every figure has room for halves in its last places, and
    // the margin stays far below a half.
    static constexpr double QuickLimit = double(1LL << 46);
    static constexpr double WholeShift = double(1LL << 52);

    // To the nearest whole number, a half to the even one, as std::nearbyint
    // in the rounding mode money uses; for magnitudes below 2^52, where
    // adding 2^52 leaves no fraction.
    static double RoundToNearest(double value)
    {
        return value >= 0 ? (value + WholeShift) - WholeShift : (value - WholeShift) + WholeShift;
    }

    PaymentFrequency m_frequency;
    double m_annualRate;
    double m_factor = 0;
    bool m_quick = false;
};
