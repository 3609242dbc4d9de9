// How long the quote arithmetic takes: one payoff of a 30-year biweekly quote,
// a refresh of a full sheet of 16 quotes as the window does it, and the
// longest payoff the simulation allows before it gives up.

#include "engine/CLoan.h"
#include "engine/DayCount.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"

#include <QDate>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double TargetMicroseconds = 10;
constexpr int Rounds = 7;

class BenchHost : public LoanHost
{
public:
    Money LoanAmount() const override { return Money::FromDouble(300000); }
    qint32 LoanTerm() const override { return 360; }
    Money EscrowMonthly() const override { return Money::FromDouble(450); }
    double Today() const override { return DayCount::FromDate(QDate(2026, 3, 31)); }
    QString LoadResString(int) const override { return QString(); }
    void ShowPaymentNotice() override {}
    void MarkScenarioChanged() override {}
};

// Best of several rounds, so a busy moment of the machine does not count.
double MicrosecondsPerCall(int calls, const std::function<void()>& work)
{
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i)
            work();
        best = std::min(best, timer.nsecsElapsed() / 1000.0 / calls);
    }
    return best;
}

std::unique_ptr<CLoan> NewQuote(BenchHost& host, double rate, const char* code)
{
    auto quote = std::make_unique<CLoan>(host);
    quote->SetInterestRate(rate);
    quote->SetFrequencyCode(QString::fromLatin1(code));
    quote->Payment();
    return quote;
}

} // namespace

int main()
{
    BenchHost host;
    volatile double sink = 0;

    const std::unique_ptr<CLoan> biweekly = NewQuote(host, 0.065, "W");
    const PayoffSimulation run(biweekly->StartingPrinciple(), biweekly->InterestRate(),
                               PaymentFrequency(biweekly->FrequencyCode()),
                               biweekly->ActualPayment(), host.EscrowMonthly(), host.Today());
    const double payoff = MicrosecondsPerCall(20000, [&] { sink = sink + biweekly->PayoffDate(); });

    // A payment that barely dents the balance runs until the bound on payments.
    const double bounded = MicrosecondsPerCall(200, [&] {
        const PayoffSimulation never(Money::FromDouble(1e9), 0, PaymentFrequency("M"),
                                     Money::FromDouble(1), Money(), host.Today());
        sink = sink + never.PayoffDate();
    });

    const char* codes[] = { "M", "B", "W", "Q" };
    std::vector<std::unique_ptr<CLoan>> quotes;
    for (int i = 0; i < 16; ++i)
        quotes.push_back(NewQuote(host, 0.05 + i * 0.0025, codes[i % 4]));
    const double refresh = MicrosecondsPerCall(1000, [&] {
        for (const auto& quote : quotes) {
            sink = sink + quote->PandI().ToDouble();
            sink = sink + quote->Payment().ToDouble();
            sink = sink + quote->Forced();
            sink = sink + quote->PayoffDate();
            sink = sink + quote->Interest().ToDouble();
        }
    });

    std::printf("bench_engine: PayoffDate of a 30-year biweekly quote (%d payments): %.2f us "
                "(target at most %.0f us: %s)\n",
                run.Payments(), payoff, TargetMicroseconds,
                payoff <= TargetMicroseconds ? "met" : "MISSED");
    std::printf("bench_engine: refresh of 16 quotes (PandI, Payment, Forced, PayoffDate, "
                "Interest): %.2f us\n",
                refresh);
    std::printf("bench_engine: payoff cut off after %d monthly payments: %.2f us\n",
                PayoffSimulation::MaxPayments, bounded);
    return 0;
}
