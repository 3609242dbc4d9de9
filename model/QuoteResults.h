#pragma once

#include "engine/Money.h"

// What the document last computed for one quote, for every view to show. A
// figure that leaves the range of money is empty.
struct QuoteResults
{
    Money PandI;
    Money Payment;
    // This computation raised the actual payment to the payment.
    bool Raised = false;
    // Day count of the last payment; 0 when there is none.
    double PayoffDate = 0;
    // The quote has everything a payoff needs, yet its payment never pays
    // the balance off.
    bool NeverPaidOff = false;
    // The total interest of that payoff.
    Money Interest;
};
