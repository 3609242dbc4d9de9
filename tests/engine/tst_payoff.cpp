#include "MoneyToString.h"

#include "engine/Annuity.h"
#include "engine/DayCount.h"
#include "engine/MoneyOverflow.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"
#include "engine/PeriodInterest.h"
#include "langlib/Resources.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>

namespace {

Money Amount(double value)
{
    return Money::FromDouble(value);
}

double Day(int year, int month, int day)
{
    return DayCount::FromDate(QDate(year, month, day));
}

PayoffSimulation Simulate(double balance, double rate, const QString& code, double payment,
                          double escrowMonthly = 0, double firstDueDate = Day(2026, 3, 31))
{
    return PayoffSimulation(Amount(balance), rate, PaymentFrequency(code), Amount(payment),
                            Amount(escrowMonthly), firstDueDate);
}

void VerifyNeverPaidOff(const PayoffSimulation& payoff)
{
    QVERIFY(!payoff.PaysOff());
    QCOMPARE(payoff.PayoffDate(), 0.0);
    QCOMPARE(payoff.Interest(), Money());
    QCOMPARE(payoff.AmountPaid(), Money());
}

} // namespace

class TestPayoff : public QObject
{
    Q_OBJECT

private slots:
    void periodInterest_data();
    void periodInterest();
    void quickInterestIsTheChargedInterest();
    void escrowShare_data();
    void escrowShare();
    void paymentCounts();
    void codeForName();
    void paysOff_data();
    void paysOff();
    void lastPaymentTakesOnlyWhatIsLeft();
    void negativeBalanceEndsAtOnce();
    void noPrincipalMeansNeverPaidOff_data();
    void noPrincipalMeansNeverPaidOff();
    void paymentsAreBounded();
    void unknownCodeChargesNothingAndNeverMoves();
    void hugeTermsLeaveOnlyInterest_data();
    void hugeTermsLeaveOnlyInterest();
    void twiceTheTermBeyond32BitsThrows();
    void interestBeyondMoneyThrows();
};

void TestPayoff::periodInterest_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("interest");

    QTest::newRow("monthly") << 1000.0 << "M" << 10.0;
    QTest::newRow("monthly, second period") << 669.98 << "M" << 6.6998;
    QTest::newRow("monthly, tiny rest rounds up") << 0.0064 << "M" << 0.0001;
    QTest::newRow("twice monthly") << 605.0 << "B" << 3.025;
    QTest::newRow("twice monthly, rounded") << 208.025 << "B" << 1.0401;
    QTest::newRow("biweekly: 14 days of 365") << 1000.0 << "W" << 4.6027;
    QTest::newRow("quadweekly: 28 days of 365") << 1000.0 << "Q" << 9.2055;
    QTest::newRow("unknown code") << 1000.0 << "X" << 0.0;
    QTest::newRow("empty code") << 1000.0 << "" << 0.0;
}

void TestPayoff::periodInterest()
{
    QFETCH(double, balance);
    QFETCH(QString, code);
    QFETCH(double, interest);
    QCOMPARE(PaymentFrequency(code).PeriodInterest(Amount(balance), 0.12), Amount(interest));
}

// The simulation's interest must be the charged one to the last digit for
// every balance, also where the figure lies on or next to half a
// ten-thousandth, where a quicker product could round the other way.
void TestPayoff::quickInterestIsTheChargedInterest()
{
    const double rates[] = {0.12, 0.065, 0.06, 0.0365, 0.073, 0.0001, 1.0, -0.05, 0.0, 1e-300,
                            std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 random(20260331);
    std::uniform_int_distribution<qint64> anyBalance(-(qint64(1) << 62), qint64(1) << 62);
    std::uniform_int_distribution<qint64> loanBalance(0, 20000000000LL);
    for (const char* code : {"M", "B", "W", "Q", "X"}) {
        const PaymentFrequency frequency{QString::fromLatin1(code)};
        for (const double rate : rates) {
            const PeriodInterest quick(frequency, rate);
            const auto check = [&](qint64 raw) {
                const Money balance = Money::FromRaw(raw);
                Money charged;
                try {
                    charged = frequency.PeriodInterest(balance, rate);
                } catch (const MoneyOverflow&) {
                    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, quick.Of(balance));
                    return;
                }
                QCOMPARE(quick.Of(balance), charged);
            };
            // Every small balance, where the halves lie closest together.
            for (qint64 raw = -2000; raw <= 200000; ++raw)
                check(raw);
            for (int i = 0; i < 20000; ++i) {
                check(loanBalance(random));
                check(anyBalance(random));
            }
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void TestPayoff::escrowShare_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<qint64>("escrow");
    QTest::addColumn<qint64>("share");

    QTest::newRow("monthly: all") << "M" << qint64(2500000) << qint64(2500000);
    QTest::newRow("quadweekly: all") << "Q" << qint64(2500000) << qint64(2500000);
    QTest::newRow("biweekly: half") << "W" << qint64(2500000) << qint64(1250000);
    QTest::newRow("twice monthly: half") << "B" << qint64(2500000) << qint64(1250000);
    QTest::newRow("empty code: half") << "" << qint64(2500000) << qint64(1250000);
    QTest::newRow("odd half to even, down") << "W" << qint64(2500001) << qint64(1250000);
    QTest::newRow("odd half to even, up") << "W" << qint64(2500003) << qint64(1250002);
}

void TestPayoff::escrowShare()
{
    QFETCH(QString, code);
    QFETCH(qint64, escrow);
    QFETCH(qint64, share);
    QCOMPARE(PaymentFrequency(code).EscrowShare(Money::FromRaw(escrow)).Raw(), share);
}

void TestPayoff::paymentCounts()
{
    QCOMPARE(PaymentFrequency("M").PaymentCount(360), 360.0);
    QCOMPARE(PaymentFrequency("B").PaymentCount(360), 720.0);
    QCOMPARE(PaymentFrequency("W").PaymentCount(360), 780.0);
    QCOMPARE(PaymentFrequency("W").PaymentCount(7), 7 / 12.0 * 26);
    QCOMPARE(PaymentFrequency("Q").PaymentCount(7), 7 / 12.0 * 13);
}

void TestPayoff::codeForName()
{
    const QHash<qint32, QString> names = { { rsTermMonthly, "Monthly" },
                                           { rsTermBimonthly, "Bimonthly" },
                                           { rsTermBiweekly, "Biweekly" },
                                           { rsTermQuadweekly, "Quadweekly" } };
    const auto text = [&names](qint32 id) { return names.value(id); };
    QCOMPARE(PaymentFrequency::CodeForName("Biweekly", text), QStringLiteral("W"));
    QCOMPARE(PaymentFrequency::CodeForName("Quadweekly", text), QStringLiteral("Q"));
    QCOMPARE(PaymentFrequency::CodeForName("Weekly", text), QString());
    QCOMPARE(PaymentFrequency::CodeForName("", text), QString());
    QStringList codes;
    for (const PaymentFrequency& frequency : PaymentFrequency::All())
        codes << frequency.Code();
    QCOMPARE(codes, QStringList({ "M", "B", "W", "Q" }));
}

void TestPayoff::paysOff_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("payment");
    QTest::addColumn<double>("escrow");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("payoff");
    QTest::addColumn<int>("payments");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("paid");

    QTest::newRow("three months at 12%")
        << 1000.0 << 0.12 << "M" << 340.02 << 0.0 << QDate(2026, 3, 31)
        << QDate(2026, 6, 30) << 4 << 20.0665 << 1020.0665;
    QTest::newRow("same with 100.00 escrow")
        << 1000.0 << 0.12 << "M" << 340.02 << 100.0 << QDate(2026, 3, 31)
        << QDate(2026, 7, 30) << 5 << 26.7669 << 1526.7669;
    QTest::newRow("twice monthly at 400.00")
        << 1000.0 << 0.12 << "B" << 400.0 << 0.0 << QDate(2026, 1, 31)
        << QDate(2026, 2, 28) << 3 << 9.0651 << 1009.0651;
    QTest::newRow("30 years monthly")
        << 100000.0 << 0.06 << "M" << 599.55 << 0.0 << QDate(2026, 3, 31)
        << QDate(2056, 3, 28) << 361 << 115838.5308 << 215838.5308;
    QTest::newRow("30 years biweekly")
        << 100000.0 << 0.06 << "W" << 276.58 << 0.0 << QDate(2026, 3, 31)
        << QDate(2055, 12, 28) << 777 << 114681.8224 << 214681.8224;
    QTest::newRow("biweekly, 250.00 escrow carries 125.00 a payment")
        << 100000.0 << 0.06 << "W" << 525.0 << 250.0 << QDate(2026, 3, 31)
        << QDate(2040, 7, 3) << 373 << 49034.3715 << 195659.3715;
    QTest::newRow("30 years quadweekly")
        << 100000.0 << 0.06 << "Q" << 553.39 << 0.0 << QDate(2026, 3, 31)
        << QDate(2055, 12, 28) << 389 << 114769.7838 << 214769.7838;
    QTest::newRow("30 years twice monthly")
        << 100000.0 << 0.06 << "B" << 299.64 << 0.0 << QDate(2026, 3, 31)
        << QDate(2056, 3, 28) << 721 << 115744.5317 << 215744.5317;
    QTest::newRow("rate 0 still pays off")
        << 1000.0 << 0.0 << "M" << 250.0 << 0.0 << QDate(2026, 1, 31)
        << QDate(2026, 5, 28) << 4 << 0.0 << 1000.0;
}

void TestPayoff::paysOff()
{
    QFETCH(double, balance);
    QFETCH(double, rate);
    QFETCH(QString, code);
    QFETCH(double, payment);
    QFETCH(double, escrow);
    QFETCH(QDate, first);
    QFETCH(QDate, payoff);
    QFETCH(int, payments);
    QFETCH(double, interest);
    QFETCH(double, paid);

    const PayoffSimulation result =
        Simulate(balance, rate, code, payment, escrow, DayCount::FromDate(first));
    QVERIFY(result.PaysOff());
    QCOMPARE(DayCount::ToDate(result.PayoffDate()), payoff);
    QCOMPARE(result.Payments(), payments);
    QCOMPARE(result.Interest(), Amount(interest));
    QCOMPARE(result.AmountPaid(), Amount(paid));
}

// A payment that exactly clears the balance still moves the date; one that
// would overpay takes only the rest and leaves the date where it is.
void TestPayoff::lastPaymentTakesOnlyWhatIsLeft()
{
    const PayoffSimulation exact = Simulate(500, 0, "M", 250, 0, Day(2026, 1, 15));
    QCOMPARE(DayCount::ToDate(exact.PayoffDate()), QDate(2026, 3, 15));
    QCOMPARE(exact.Payments(), 2);

    const PayoffSimulation over = Simulate(500, 0, "M", 300, 0, Day(2026, 1, 15));
    QCOMPARE(DayCount::ToDate(over.PayoffDate()), QDate(2026, 2, 15));
    QCOMPARE(over.AmountPaid(), Amount(500));

    const PayoffSimulation once = Simulate(0.01, 0.12, "W", 100, 50, Day(2026, 1, 15));
    QCOMPARE(DayCount::ToDate(once.PayoffDate()), QDate(2026, 1, 15));
    QCOMPARE(once.AmountPaid(), Amount(25.01));
}

void TestPayoff::negativeBalanceEndsAtOnce()
{
    const PayoffSimulation payoff = Simulate(-1000, 0.12, "M", 100);
    QCOMPARE(payoff.PayoffDate(), Day(2026, 3, 31));
    QCOMPARE(payoff.Interest(), Amount(-10));
    QCOMPARE(payoff.Payments(), 1);
}

void TestPayoff::noPrincipalMeansNeverPaidOff_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("payment");
    QTest::addColumn<double>("escrow");

    QTest::newRow("payment only covers interest") << 1000.0 << 0.12 << "M" << 10.0 << 0.0;
    QTest::newRow("payment below interest") << 100000.0 << 0.06 << "M" << 400.0 << 0.0;
    QTest::newRow("payment only covers escrow") << 1000.0 << 0.0 << "W" << 50.0 << 100.0;
    QTest::newRow("payment below escrow") << 1000.0 << 0.06 << "Q" << 50.0 << 100.0;
    QTest::newRow("negative payment") << 1000.0 << 0.06 << "M" << -5.0 << 0.0;
    QTest::newRow("more payments than allowed")
        << 100000.0 << 0.0 << "M" << 1.0 << 0.0;
    QTest::newRow("huge balance, tiny principal") << 1e12 << 0.012 << "B" << 500000001.0 << 0.0;
}

void TestPayoff::noPrincipalMeansNeverPaidOff()
{
    QFETCH(double, balance);
    QFETCH(double, rate);
    QFETCH(QString, code);
    QFETCH(double, payment);
    QFETCH(double, escrow);
    VerifyNeverPaidOff(Simulate(balance, rate, code, payment, escrow));
}

void TestPayoff::paymentsAreBounded()
{
    const int most = PayoffSimulation::MaxPayments;
    const PayoffSimulation longest = Simulate(most, 0, "M", 1, 0, Day(2026, 1, 15));
    QVERIFY(longest.PaysOff());
    QCOMPARE(longest.Payments(), most);
    QCOMPARE(DayCount::ToDate(longest.PayoffDate()), QDate(2026, 1, 15).addMonths(most));

    VerifyNeverPaidOff(Simulate(most + 0.0001, 0, "M", 1, 0, Day(2026, 1, 15)));
}

void TestPayoff::unknownCodeChargesNothingAndNeverMoves()
{
    const PayoffSimulation payoff = Simulate(1000, 0.12, "X", 300, 200);
    QCOMPARE(payoff.PayoffDate(), Day(2026, 3, 31));
    QCOMPARE(payoff.Interest(), Money());
    QCOMPARE(payoff.Payments(), 5);

    VerifyNeverPaidOff(Simulate(1e9, 0.12, "", 300, 200));
}

void TestPayoff::hugeTermsLeaveOnlyInterest_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<qint32>("term");
    QTest::addColumn<double>("pandI");

    const qint32 longest = std::numeric_limits<qint32>::max();
    QTest::newRow("monthly") << "M" << longest << 500.0;
    QTest::newRow("biweekly") << "W" << longest << 230.77;
    QTest::newRow("quadweekly") << "Q" << longest << 461.54;
    QTest::newRow("twice monthly at the 32-bit limit") << "B" << longest / 2 << 250.0;
    QTest::newRow("most negative term gives nothing") << "M" << std::numeric_limits<qint32>::min() << 0.0;
}

void TestPayoff::hugeTermsLeaveOnlyInterest()
{
    QFETCH(QString, code);
    QFETCH(qint32, term);
    QFETCH(double, pandI);
    QCOMPARE(AnnuityPayment(Amount(100000), 0.06, term, PaymentFrequency(code)), Amount(pandI));
}

void TestPayoff::twiceTheTermBeyond32BitsThrows()
{
    const qint32 tooLong = std::numeric_limits<qint32>::max() / 2 + 1;
    QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                             AnnuityPayment(Amount(100000), 0.06, tooLong, PaymentFrequency("B")));
    QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                             AnnuityPayment(Amount(100000), 0.06, -tooLong - 1, PaymentFrequency("B")));
}

void TestPayoff::interestBeyondMoneyThrows()
{
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Simulate(9e14, 24, "M", 1000));
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow,
                             PayoffSimulation(Amount(1000), 0.12, PaymentFrequency("M"),
                                              Money::FromRaw(std::numeric_limits<qint64>::min()),
                                              Amount(100), Day(2026, 3, 31)));
}

QTEST_APPLESS_MAIN(TestPayoff)
#include "tst_payoff.moc"
