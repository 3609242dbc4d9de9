#pragma once

// The window benchmarks run against a pinned world: their own configuration
// folder, a US locale, a fixed today, English texts and message boxes that
// never wait on screen.

#include "bench/BenchSupport.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"

#include <QDate>
#include <QLocale>

namespace Bench {

class PinnedWorld
{
public:
    PinnedWorld()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Clock::Set(QDate(2026, 3, 31));
        MessageBox::Intercept();
        Language::SetNumber(Language::English);
    }

private:
    TemporaryConfig m_config;
};

// Every row of the sheet filled for a 30-year loan of 300,000, the rates
// rising from 5 % by a quarter point a row; `fill` sets the rest of each
// quote before its row shows its results.
template <typename Fill>
void FillEveryRow(Loan& window, Fill fill)
{
    window.LoadRowsUpTo(Loan::LargestAllowedRowIndex);
    window.SetLoanTerm(360);
    window.SetLoanAmount(Money::FromDouble(300000));
    for (int d = 0; d <= window.LoadedUpperIndex(); ++d) {
        CLoan& quote = *window.Quotes[window.R(static_cast<quint16>(d))];
        quote.SetInterestRate(0.05 + d * 0.0025);
        fill(quote, d);
        window.RefreshQuoteRow(d);
    }
}

} // namespace Bench
