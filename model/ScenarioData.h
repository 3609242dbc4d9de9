#pragma once

#include "engine/Money.h"
#include "model/ScenarioQuote.h"

#include <QList>
#include <QString>

// Everything a saved scenario holds: the new loan, the current loan and the
// quotes, in the units the window keeps them.
struct ScenarioData
{
    // The most quote rows a window has, and so the most quotes a scenario
    // saves and a load returns.
    static constexpr int MaxQuotes = 16;

    QString LoanType;
    Money LoanAmount;
    // Months.
    qint32 LoanTerm = 0;
    Money EscrowTaxes;
    Money EscrowInsurance;

    Money CurrentLoanAmount;
    qint32 CurrentTerm = 0;
    // Annual fraction; stored as a percentage.
    double CurrentInterestRate = 0;
    Money CurrentBalance;
    Money CurrentActualPayment;
    QString CurrentFrequency;
    QString CurrentActualFrequency;
    Money CurrentPayment;
    // Day count; 0 is no date.
    double CurrentNextPayment = 0;

    // Day count of the new loan's first payment; 0 is none, and the
    // payments start today.
    double FirstPayment = 0;
    // What the property is worth, for when mortgage insurance ends.
    Money PropertyValue;

    QList<ScenarioQuote> Quotes;
};
