#pragma once

#include "engine/DayCount.h"
#include "model/ScenarioData.h"
#include "model/ScenarioStore.h"

#include <QDate>
#include <QLocale>

// The scenarios a saver process writes round after round: each round has its
// own figures and its own number of quotes (1 to 16), and lender texts long
// enough that a save takes a while, so a save cut short can never pass for a
// whole one.
inline QLocale roundLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

inline ScenarioData roundScenario(int round)
{
    ScenarioData data;
    data.LoanType = QStringLiteral("H");
    data.LoanAmount = Money::FromDouble(100000 + round);
    data.LoanTerm = 360;
    data.EscrowTaxes = Money::FromDouble(2400.5);
    data.CurrentLoanAmount = Money::FromDouble(150000);
    data.CurrentTerm = 360;
    data.CurrentInterestRate = 0.0725;
    data.CurrentBalance = Money::FromDouble(90000 + round);
    data.CurrentFrequency = QStringLiteral("M");
    data.CurrentNextPayment = DayCount::FromDate(QDate(2027, 1, 1).addDays(round % 300));
    const int quotes = 1 + round % ScenarioStore::MaxQuotes;
    for (int i = 0; i < quotes; ++i) {
        ScenarioQuote quote;
        quote.Term = 120 + i;
        quote.InterestRate = 0.05 + i / 1000.0;
        quote.Points = i % 3;
        quote.FrequencyCode = QStringLiteral("W");
        quote.ActualPayment = Money::FromDouble(1000 + round);
        quote.Who = QStringLiteral("round %1 quote %2\n").arg(round).arg(i);
        while (quote.Who.size() < 2000)
            quote.Who += QStringLiteral("Banco Ñandú, Préstamos €, línea %1\n").arg(quote.Who.size());
        data.Quotes.append(quote);
    }
    return data;
}

// The round a loaded scenario was saved in, or -1 when it is not one round's
// scenario whole.
inline int wholeRound(const ScenarioData& loaded)
{
    const int round = int(loaded.LoanAmount.ToDouble()) - 100000;
    if (round < 0)
        return -1;
    const ScenarioData saved = roundScenario(round);
    if (loaded.CurrentBalance != saved.CurrentBalance
        || loaded.CurrentNextPayment != saved.CurrentNextPayment
        || loaded.Quotes.size() != saved.Quotes.size())
        return -1;
    for (int i = 0; i < saved.Quotes.size(); ++i) {
        if (loaded.Quotes[i].Who != saved.Quotes[i].Who
            || loaded.Quotes[i].ActualPayment != saved.Quotes[i].ActualPayment
            || loaded.Quotes[i].Term != saved.Quotes[i].Term)
            return -1;
    }
    return round;
}
