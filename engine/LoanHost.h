#pragma once

#include "engine/Money.h"

#include <QString>

// What a quote asks of the window that owns it. The quote reads these at the
// moment it needs them, so it always works with the window's current values.
class LoanHost
{
public:
    virtual ~LoanHost() = default;

    virtual Money LoanAmount() const = 0;
    // The default term in months, given to a quote when it first gets a rate.
    virtual qint32 LoanTerm() const = 0;
    virtual Money EscrowMonthly() const = 0;
    // Today as a day count (0 = 30 December 1899), without a time of day.
    virtual double Today() const = 0;
    // The due date of the new loan's first payment as a day count: the date
    // the user set, or today when none is set.
    virtual double FirstPaymentDay() const { return Today(); }
    // The text of a string id in the active language.
    virtual QString LoadResString(int id) const = 0;
    // Tells the user that an actual payment below the calculated payment was
    // refused (string id 3) and remembers that the notice has been shown.
    virtual void ShowPaymentNotice() = 0;
    virtual void MarkScenarioChanged() = 0;
};
