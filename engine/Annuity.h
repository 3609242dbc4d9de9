#pragma once

#include "engine/Money.h"
#include "engine/PaymentFrequency.h"

// The level payment per period that pays off `principal` over `termMonths`
// at `annualRate`, by the closed annuity formula with the frequency's payments
// a year, rounded to whole cents. A zero rate, principal or term, or an
// unknown frequency, gives no payment at all (0), not principal / count.
// Throws MoneyOverflow or std::overflow_error when the figures leave their
// ranges.
Money AnnuityPayment(Money principal, double annualRate, qint32 termMonths,
                     const PaymentFrequency& frequency);
