#include "engine/Annuity.h"

#include <cmath>

Money AnnuityPayment(Money principal, double annualRate, qint32 termMonths,
                     const PaymentFrequency& frequency)
{
    if (annualRate == 0 || principal == Money() || termMonths == 0 || !frequency.IsKnown())
        return Money();
    const double periodicRate = annualRate / frequency.PaymentsPerYear();
    const double count = frequency.PaymentCount(termMonths);
    const double presentValueFactor = (1 - std::pow(1 + periodicRate, -count)) / periodicRate;
    return Money::FromDoubleToCents(principal.ToDouble() / presentValueFactor);
}
