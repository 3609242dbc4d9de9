#include "engine/Money.h"
#include "engine/MoneyOverflow.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void fromDoubleRoundsHalvesToEven_data();
    void fromDoubleRoundsHalvesToEven();
    void toCentsRoundsHalvesToEven_data();
    void toCentsRoundsHalvesToEven();
    void toDoubleGivesTheFourDecimals();
    void arithmeticIsExact();
    void conversionsOutOfRangeThrow_data();
    void conversionsOutOfRangeThrow();
    void arithmeticOutOfRangeThrows();
    void edgesOfTheRangeStillWork();
};

void TestMoney::fromDoubleRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("monthly interest example") << 14349.90 * 0.102 / 12 << qint64(1219742);
    QTest::newRow("half down to even") << 0.00025 << qint64(2);
    QTest::newRow("half up to even") << 0.00035 << qint64(4);
    QTest::newRow("half of larger amount") << 2.50015 << qint64(25002);
    QTest::newRow("product just above half") << 1.00005 << qint64(10001);
    QTest::newRow("product just below half") << 0.00015 << qint64(1);
    QTest::newRow("negative half to even") << -0.00025 << qint64(-2);
    QTest::newRow("negative example") << -121.97415 << qint64(-1219742);
    QTest::newRow("zero") << 0.0 << qint64(0);
    QTest::newRow("whole amount") << 100000.0 << qint64(1000000000);
}

void TestMoney::fromDoubleRoundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::FromDouble(value).Raw(), raw);
}

void TestMoney::toCentsRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("example to cents") << 121.97415 << qint64(1219700);
    QTest::newRow("half cent down to even") << 0.125 << qint64(1200);
    QTest::newRow("half cent up to even") << 0.375 << qint64(3800);
    QTest::newRow("negative half cent") << -0.125 << qint64(-1200);
    QTest::newRow("payment") << 599.5505 << qint64(5995500);
}

void TestMoney::toCentsRoundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::FromDoubleToCents(value).Raw(), raw);
}

void TestMoney::toDoubleGivesTheFourDecimals()
{
    QCOMPARE(Money::FromRaw(1219742).ToDouble(), 121.9742);
    QCOMPARE(Money::FromRaw(-5).ToDouble(), -0.0005);
    QCOMPARE(Money().ToDouble(), 0.0);
}

void TestMoney::arithmeticIsExact()
{
    Money total;
    for (int i = 0; i < 10; ++i)
        total += Money::FromDouble(0.1);
    QCOMPARE(total, Money::FromDouble(1));
    QCOMPARE(Money::FromDouble(340.02) - Money::FromDouble(10), Money::FromDouble(330.02));
    QCOMPARE(-Money::FromRaw(7), Money::FromRaw(-7));
    QVERIFY(Money::FromRaw(-1) < Money());
    QVERIFY(Money::FromRaw(1) > Money());
    QVERIFY(Money::FromRaw(3) >= Money::FromRaw(3));
    QVERIFY(Money::FromRaw(3) != Money::FromRaw(4));
}

void TestMoney::conversionsOutOfRangeThrow_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("toCents");

    QTest::newRow("too large") << 1e15 << false;
    QTest::newRow("too small") << -1e15 << false;
    QTest::newRow("2^63 ten-thousandths") << 9223372036854775808.0 / 10000 << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("cents too large") << 1e15 << true;
    QTest::newRow("cents, whole cents fit but not as money") << 922337203685478.0 << true;
    QTest::newRow("cents not a number") << std::numeric_limits<double>::quiet_NaN() << true;
}

void TestMoney::conversionsOutOfRangeThrow()
{
    QFETCH(double, value);
    QFETCH(bool, toCents);
    if (toCents)
        QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::FromDoubleToCents(value));
    else
        QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::FromDouble(value));
}

void TestMoney::arithmeticOutOfRangeThrows()
{
    const Money largest = Money::FromRaw(std::numeric_limits<qint64>::max());
    const Money smallest = Money::FromRaw(std::numeric_limits<qint64>::min());
    const Money one = Money::FromRaw(1);

    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, largest + one);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, smallest - one);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, one - smallest);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, smallest + -one);
    QVERIFY_THROWS_EXCEPTION(MoneyOverflow, -smallest);
    Money total = largest;
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, total += one);
    QCOMPARE(total, largest);
}

void TestMoney::edgesOfTheRangeStillWork()
{
    const Money largest = Money::FromRaw(std::numeric_limits<qint64>::max());
    const Money smallest = Money::FromRaw(std::numeric_limits<qint64>::min());
    QCOMPARE((largest - Money::FromRaw(1)) + Money::FromRaw(1), largest);
    QCOMPARE(smallest + largest, Money::FromRaw(-1));
    QCOMPARE(-largest - Money::FromRaw(1), smallest);
    QCOMPARE(Money::FromDouble(9e14).Raw(), qint64(9000000000000000000));
    QCOMPARE(Money::FromDouble(-9e14).Raw(), qint64(-9000000000000000000));
}

QTEST_APPLESS_MAIN(TestMoney)
#include "tst_money.moc"
