#include "FakeLoanHost.h"
#include "MoneyToString.h"

#include "engine/CLoan.h"
#include "engine/DayCount.h"

#include <QTest>

namespace {

Money Amount(double value)
{
    return Money::FromDouble(value);
}

} // namespace

class TestQuote : public QObject
{
    Q_OBJECT

private slots:
    void newQuoteHasNoResults();
    void newQuoteStartsFromTheWindowsAmount();
    void settersMarkOnlyRealChanges();
    void firstRateGivesTheDefaultTerm();
    void frequencyByName_data();
    void frequencyByName();
    void frequencyNameFollowsTheLanguage();
    void amountBorrowed_data();
    void amountBorrowed();
    void pandI_data();
    void pandI();
    void noPandIWithoutRateAmountTermOrCode_data();
    void noPandIWithoutRateAmountTermOrCode();
    void paymentAddsTheEscrowShare_data();
    void paymentAddsTheEscrowShare();
    void halfEscrowRoundsToEven();
    void paymentRaisesTheActualPaymentOnce();
    void actualPaymentBelowPaymentIsRefused();
    void actualPaymentAtOrAbovePaymentOrZeroIsKept();
    void monthlyPayoffFromTheEndOfMarch();
    void twiceMonthlyPayoffFromTheEndOfJanuary();
    void escrowShareNeverPaysPrincipal();
    void largerPaymentPaysOffSoonerWithLessInterest();
    void noPayoffWithoutRateCodeOrPayment();
    void termZeroStillPaysOff();
    void interestIsTheLastPayoffsTotal();
    void figuresBeyondMoneyThrow();
};

void TestQuote::newQuoteHasNoResults()
{
    FakeLoanHost host;
    CLoan quote(host);
    QCOMPARE(quote.PandI(), Money());
    QCOMPARE(quote.Payment(), Money());
    QCOMPARE(quote.PayoffDate(), 0.0);
    QCOMPARE(quote.Interest(), Money());
    QCOMPARE(quote.Frequency(), QString());
    QCOMPARE(quote.FrequencyCode(), QString());
    QCOMPARE(quote.Forced(), false);
    QCOMPARE(host.scenarioChanges, 0);
}

void TestQuote::newQuoteStartsFromTheWindowsAmount()
{
    FakeLoanHost host;
    host.loanAmount = Amount(250000);
    CLoan quote(host);
    QCOMPARE(quote.StartingPrinciple(), Amount(250000));
    quote.SetStartingAmount(Amount(1000));
    QCOMPARE(quote.StartingPrinciple(), Amount(1000));
    QCOMPARE(host.scenarioChanges, 0);
}

void TestQuote::settersMarkOnlyRealChanges()
{
    FakeLoanHost host;
    CLoan quote(host);
    const QList<std::function<void()>> edits = {
        [&] { quote.SetFinancePoints(true); },
        [&] { quote.SetPoints(1.5); },
        [&] { quote.SetFinanceClosingCosts(true); },
        [&] { quote.SetClosingCosts(Amount(2500)); },
        [&] { quote.SetTerm(240); },
        [&] { quote.SetInterestRate(0.065); },
        [&] { quote.SetFrequencyCode(QStringLiteral("M")); },
        [&] { quote.SetFrequency(QStringLiteral("Biweekly")); },
        [&] { quote.SetWho(QStringLiteral("First Bank\nAnn Lee")); },
    };
    for (const auto& edit : edits) {
        const int before = host.scenarioChanges;
        edit();
        QCOMPARE(host.scenarioChanges, before + 1);
        edit();
        QCOMPARE(host.scenarioChanges, before + 1);
    }
    QCOMPARE(quote.FinancePoints(), true);
    QCOMPARE(quote.Points(), 1.5);
    QCOMPARE(quote.FinanceClosingCosts(), true);
    QCOMPARE(quote.ClosingCosts(), Amount(2500));
    QCOMPARE(quote.Term(), 240);
    QCOMPARE(quote.InterestRate(), 0.065);
    QCOMPARE(quote.FrequencyCode(), QStringLiteral("W"));
    QCOMPARE(quote.Who(), QStringLiteral("First Bank\nAnn Lee"));
}

void TestQuote::firstRateGivesTheDefaultTerm()
{
    FakeLoanHost host;
    host.loanTerm = 180;
    CLoan withoutTerm(host);
    withoutTerm.SetInterestRate(0);
    QCOMPARE(withoutTerm.Term(), 0);
    QCOMPARE(host.scenarioChanges, 0);
    withoutTerm.SetInterestRate(0.06);
    QCOMPARE(withoutTerm.Term(), 180);
    QCOMPARE(host.scenarioChanges, 1);

    CLoan withTerm(host);
    withTerm.SetTerm(240);
    withTerm.SetInterestRate(0.06);
    QCOMPARE(withTerm.Term(), 240);
}

void TestQuote::frequencyByName_data()
{
    QTest::addColumn<bool>("spanish");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("Monthly") << false << "Monthly" << "M";
    QTest::newRow("Bimonthly") << false << "Bimonthly" << "B";
    QTest::newRow("Biweekly") << false << "Biweekly" << "W";
    QTest::newRow("Quadweekly") << false << "Quadweekly" << "Q";
    QTest::newRow("Spanish name, English texts") << false << "Mensual" << "";
    QTest::newRow("other case") << false << "monthly" << "";
    QTest::newRow("trailing blank") << false << "Monthly " << "";
    QTest::newRow("empty") << false << "" << "";
    QTest::newRow("Mensual") << true << "Mensual" << "M";
    QTest::newRow("Cuadsemanal") << true << "Cuadsemanal" << "Q";
    QTest::newRow("English name, Spanish texts") << true << "Biweekly" << "";
}

void TestQuote::frequencyByName()
{
    QFETCH(bool, spanish);
    QFETCH(QString, name);
    QFETCH(QString, code);
    FakeLoanHost host;
    host.spanish = spanish;
    CLoan quote(host);
    quote.SetFrequencyCode(QStringLiteral("B"));
    quote.SetFrequency(name);
    QCOMPARE(quote.FrequencyCode(), code);
}

void TestQuote::frequencyNameFollowsTheLanguage()
{
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetFrequencyCode(QStringLiteral("Q"));
    QCOMPARE(quote.Frequency(), QStringLiteral("Quadweekly"));
    host.spanish = true;
    QCOMPARE(quote.Frequency(), QStringLiteral("Cuadsemanal"));
    quote.SetFrequencyCode(QStringLiteral("X"));
    QCOMPARE(quote.Frequency(), QString());
}

void TestQuote::amountBorrowed_data()
{
    QTest::addColumn<bool>("financePoints");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("financeCosts");
    QTest::addColumn<double>("costs");
    QTest::addColumn<double>("borrowed");

    QTest::newRow("points financed") << true << 1.5 << false << 0.0 << 101500.0;
    QTest::newRow("points not financed") << false << 1.5 << false << 0.0 << 100000.0;
    QTest::newRow("costs financed") << false << 0.0 << true << 3200.0 << 103200.0;
    QTest::newRow("costs not financed") << false << 0.0 << false << 3200.0 << 100000.0;
    QTest::newRow("both") << true << 0.125 << true << 99.99 << 100224.99;
}

void TestQuote::amountBorrowed()
{
    QFETCH(bool, financePoints);
    QFETCH(double, points);
    QFETCH(bool, financeCosts);
    QFETCH(double, costs);
    QFETCH(double, borrowed);
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetFinancePoints(financePoints);
    quote.SetPoints(points);
    quote.SetFinanceClosingCosts(financeCosts);
    quote.SetClosingCosts(Amount(costs));
    QCOMPARE(quote.StartingPrinciple(), Amount(borrowed));
}

void TestQuote::pandI_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint32>("term");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("pandI");

    QTest::newRow("100,000 at 6% monthly") << 100000.0 << 0.06 << 360 << "M" << 599.55;
    QTest::newRow("100,000 at 6% twice monthly") << 100000.0 << 0.06 << 360 << "B" << 299.64;
    QTest::newRow("100,000 at 6% biweekly") << 100000.0 << 0.06 << 360 << "W" << 276.58;
    QTest::newRow("100,000 at 6% quadweekly") << 100000.0 << 0.06 << 360 << "Q" << 553.39;
    QTest::newRow("200,000 at 6.5%") << 200000.0 << 0.065 << 360 << "M" << 1264.14;
    QTest::newRow("150,000 at 5% for 15 years") << 150000.0 << 0.05 << 180 << "M" << 1186.19;
    QTest::newRow("1,000 at 12% for 3 months") << 1000.0 << 0.12 << 3 << "M" << 340.02;
    QTest::newRow("negative amount carried through") << -100000.0 << 0.06 << 360 << "M" << -599.55;
}

void TestQuote::pandI()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(qint32, term);
    QFETCH(QString, code);
    QFETCH(double, pandI);
    FakeLoanHost host;
    host.loanAmount = Amount(amount);
    CLoan quote(host);
    quote.SetTerm(term);
    quote.SetInterestRate(rate);
    quote.SetFrequencyCode(code);
    QCOMPARE(quote.PandI(), Amount(pandI));
}

void TestQuote::noPandIWithoutRateAmountTermOrCode_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint32>("term");
    QTest::addColumn<QString>("code");

    QTest::newRow("rate 0") << 100000.0 << 0.0 << 360 << "M";
    QTest::newRow("amount 0") << 0.0 << 0.06 << 360 << "M";
    QTest::newRow("term 0") << 100000.0 << 0.06 << 0 << "M";
    QTest::newRow("empty code") << 100000.0 << 0.06 << 360 << "";
    QTest::newRow("unknown code") << 100000.0 << 0.06 << 360 << "m";
}

void TestQuote::noPandIWithoutRateAmountTermOrCode()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(qint32, term);
    QFETCH(QString, code);
    FakeLoanHost host;
    host.loanAmount = Amount(amount);
    host.escrowMonthly = Amount(300);
    CLoan quote(host);
    quote.SetInterestRate(rate);
    quote.SetTerm(term);
    quote.SetFrequencyCode(code);
    QCOMPARE(quote.PandI(), Money());
    QCOMPARE(quote.Payment(), Money());
    QCOMPARE(quote.ActualPayment(), Money());
    QCOMPARE(quote.Forced(), false);
}

void TestQuote::paymentAddsTheEscrowShare_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("payment");

    // Amounts chosen so that 6 % over 30 years gives a PandI of exactly 500.00.
    QTest::newRow("biweekly: half the escrow") << 180777.56 << "W" << 650.0;
    QTest::newRow("quadweekly: all the escrow") << 90351.64 << "Q" << 800.0;
    QTest::newRow("monthly: all the escrow") << 83395.81 << "M" << 800.0;
    QTest::newRow("twice monthly: half the escrow") << 166865.88 << "B" << 650.0;
}

void TestQuote::paymentAddsTheEscrowShare()
{
    QFETCH(double, amount);
    QFETCH(QString, code);
    QFETCH(double, payment);
    FakeLoanHost host;
    host.loanAmount = Amount(amount);
    host.escrowMonthly = Amount(300);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(code);
    QCOMPARE(quote.PandI(), Amount(500));
    QCOMPARE(quote.Payment(), Amount(payment));
}

void TestQuote::halfEscrowRoundsToEven()
{
    FakeLoanHost host;
    host.loanAmount = Amount(180777.56);
    host.escrowMonthly = Money::FromRaw(2500001);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("W"));
    QCOMPARE(quote.Payment(), Amount(625));
}

void TestQuote::paymentRaisesTheActualPaymentOnce()
{
    FakeLoanHost host;
    host.loanAmount = Amount(180777.56);
    host.escrowMonthly = Amount(300);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("W"));
    const int marks = host.scenarioChanges;

    QCOMPARE(quote.Payment(), Amount(650));
    QCOMPARE(quote.ActualPayment(), Amount(650));
    QCOMPARE(host.scenarioChanges, marks + 1);
    QCOMPARE(quote.Forced(), true);
    QCOMPARE(quote.Forced(), false);

    QCOMPARE(quote.Payment(), Amount(650));
    QCOMPARE(quote.Forced(), false);
    QCOMPARE(host.scenarioChanges, marks + 1);

    host.escrowMonthly = Amount(400);
    QCOMPARE(quote.Payment(), Amount(700));
    QCOMPARE(quote.ActualPayment(), Amount(700));
    QCOMPARE(quote.Forced(), true);
}

void TestQuote::actualPaymentBelowPaymentIsRefused()
{
    FakeLoanHost host;
    host.loanAmount = Amount(180777.56);
    host.escrowMonthly = Amount(300);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("W"));
    quote.Payment();
    quote.Forced();
    const int marks = host.scenarioChanges;

    quote.SetActualPayment(Amount(600));
    QCOMPARE(host.paymentNotices, 1);
    QCOMPARE(quote.ActualPayment(), Amount(650));
    QCOMPARE(host.scenarioChanges, marks);
    QCOMPARE(quote.Forced(), false);
}

void TestQuote::actualPaymentAtOrAbovePaymentOrZeroIsKept()
{
    FakeLoanHost host;
    host.loanAmount = Amount(180777.56);
    host.escrowMonthly = Amount(300);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("W"));

    quote.SetActualPayment(Money());
    QCOMPARE(quote.ActualPayment(), Money());
    quote.SetActualPayment(Amount(700));
    QCOMPARE(quote.ActualPayment(), Amount(700));
    const int marks = host.scenarioChanges;
    quote.SetActualPayment(Amount(650));
    QCOMPARE(quote.ActualPayment(), Amount(650));
    QCOMPARE(host.scenarioChanges, marks + 1);
    quote.SetActualPayment(Amount(650));
    QCOMPARE(host.scenarioChanges, marks + 1);
    QCOMPARE(host.paymentNotices, 0);

    quote.SetActualPayment(Money());
    QCOMPARE(quote.ActualPayment(), Money());
    QCOMPARE(quote.Payment(), Amount(650));
    QCOMPARE(quote.ActualPayment(), Amount(650));
}

void TestQuote::monthlyPayoffFromTheEndOfMarch()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.today = QDate(2026, 3, 31);
    CLoan quote(host);
    quote.SetTerm(3);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    QCOMPARE(quote.PandI(), Amount(340.02));
    QCOMPARE(quote.Payment(), Amount(340.02));
    QCOMPARE(DayCount::ToDate(quote.PayoffDate()), QDate(2026, 6, 30));
    QCOMPARE(quote.Interest(), Amount(20.0665));
}

void TestQuote::twiceMonthlyPayoffFromTheEndOfJanuary()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.today = QDate(2026, 1, 31);
    CLoan quote(host);
    quote.SetTerm(12);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("B"));
    quote.SetActualPayment(Amount(400));
    QCOMPARE(DayCount::ToDate(quote.PayoffDate()), QDate(2026, 2, 28));
    QCOMPARE(quote.Interest(), Amount(9.0651));
}

// With 250.00 of monthly escrow a biweekly payment carries 125.00 of it, so a
// payment of X + 125.00 pays the loan exactly as X does without escrow.
void TestQuote::escrowShareNeverPaysPrincipal()
{
    FakeLoanHost withEscrow;
    withEscrow.escrowMonthly = Amount(250);
    FakeLoanHost withoutEscrow;
    CLoan escrowed(withEscrow);
    CLoan plain(withoutEscrow);
    for (CLoan* quote : { &escrowed, &plain }) {
        quote->SetInterestRate(0.06);
        quote->SetFrequencyCode(QStringLiteral("W"));
    }
    escrowed.SetActualPayment(Amount(400 + 125));
    plain.SetActualPayment(Amount(400));

    const double payoff = plain.PayoffDate();
    QVERIFY(payoff > withoutEscrow.Today());
    QCOMPARE(escrowed.PayoffDate(), payoff);
    QCOMPARE(escrowed.Interest(), plain.Interest());
}

void TestQuote::largerPaymentPaysOffSoonerWithLessInterest()
{
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.Payment();
    const double scheduledPayoff = quote.PayoffDate();
    const Money scheduledInterest = quote.Interest();
    QCOMPARE(DayCount::ToDate(scheduledPayoff), QDate(2056, 3, 28));

    quote.SetActualPayment(Amount(1000));
    QVERIFY(quote.PayoffDate() < scheduledPayoff);
    QVERIFY(quote.Interest() < scheduledInterest);
}

void TestQuote::noPayoffWithoutRateCodeOrPayment()
{
    FakeLoanHost host;
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetActualPayment(Amount(1000));
    QVERIFY(quote.PayoffDate() != 0);
    QVERIFY(quote.Interest() != Money());

    quote.SetInterestRate(0);
    QCOMPARE(quote.PandI(), Money());
    QCOMPARE(quote.Payment(), Money());
    QCOMPARE(quote.PayoffDate(), 0.0);
    QCOMPARE(quote.Interest(), Money());

    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QString());
    QCOMPARE(quote.PayoffDate(), 0.0);
    QCOMPARE(quote.Interest(), Money());

    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetActualPayment(Money());
    QCOMPARE(quote.PayoffDate(), 0.0);

    quote.SetStartingAmount(Money());
    quote.SetActualPayment(Amount(1000));
    QCOMPARE(quote.PayoffDate(), 0.0);
}

void TestQuote::termZeroStillPaysOff()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    host.loanTerm = 0;
    host.today = QDate(2026, 3, 31);
    CLoan quote(host);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    QCOMPARE(quote.Term(), 0);
    QCOMPARE(quote.PandI(), Money());
    QCOMPARE(quote.Payment(), Money());
    quote.SetActualPayment(Amount(340.02));
    QCOMPARE(quote.ActualPayment(), Amount(340.02));
    QCOMPARE(DayCount::ToDate(quote.PayoffDate()), QDate(2026, 6, 30));
    QCOMPARE(quote.Interest(), Amount(20.0665));
}

void TestQuote::interestIsTheLastPayoffsTotal()
{
    FakeLoanHost host;
    host.loanAmount = Amount(1000);
    CLoan quote(host);
    quote.SetTerm(3);
    quote.SetInterestRate(0.12);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.Payment();
    quote.PayoffDate();
    QCOMPARE(quote.Interest(), Amount(20.0665));

    quote.SetInterestRate(0.24);
    QCOMPARE(quote.Interest(), Amount(20.0665));
    quote.SetActualPayment(Money());
    quote.PayoffDate();
    QCOMPARE(quote.Interest(), Money());
}

void TestQuote::figuresBeyondMoneyThrow()
{
    FakeLoanHost host;
    host.loanAmount = Money::FromDouble(900000000000000.0);
    CLoan quote(host);
    quote.SetInterestRate(0.06);
    quote.SetFrequencyCode(QStringLiteral("M"));
    quote.SetFinancePoints(true);
    quote.SetPoints(50);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, quote.StartingPrinciple());
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, quote.Payment());

    quote.SetFinancePoints(false);
    quote.SetTerm(1);
    quote.SetInterestRate(0.6);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, quote.Payment());
}

QTEST_APPLESS_MAIN(TestQuote)
#include "tst_quote.moc"
