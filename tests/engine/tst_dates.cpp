#include "engine/DayCount.h"
#include "engine/PaymentCalendar.h"
#include "engine/PaymentFrequency.h"

#include <QTest>

namespace {

double Day(int year, int month, int day)
{
    return DayCount::FromDate(QDate(year, month, day));
}

// The first `count` due dates of a calendar starting on `first`.
QList<QDate> DueDates(const QString& code, const QDate& first, int count)
{
    PaymentCalendar calendar(PaymentFrequency(code), DayCount::FromDate(first));
    QList<QDate> dates;
    for (int i = 0; i < count; ++i) {
        dates << DayCount::ToDate(calendar.DueDate());
        calendar.Advance();
    }
    return dates;
}

} // namespace

class TestDates : public QObject
{
    Q_OBJECT

private slots:
    void dayCountsStartOn30December1899();
    void addMonthsClampsTheDay_data();
    void addMonthsClampsTheDay();
    void addMonthsKeepsTheTimeOfDay();
    void addDaysCrossesMonthsAndYears();
    void calendarSteps_data();
    void calendarSteps();
};

void TestDates::dayCountsStartOn30December1899()
{
    QCOMPARE(Day(1899, 12, 30), 0.0);
    QCOMPARE(Day(1899, 12, 31), 1.0);
    QCOMPARE(Day(1900, 3, 1), 61.0);
    QCOMPARE(Day(2026, 3, 31), 46112.0);
    QCOMPARE(DayCount::ToDate(46112), QDate(2026, 3, 31));
    QCOMPARE(DayCount::ToDate(46112.75), QDate(2026, 3, 31));
    QCOMPARE(DayCount::ToDate(-1), QDate(1899, 12, 29));
    QCOMPARE(DayCount::Today(), DayCount::FromDate(QDate::currentDate()));
}

void TestDates::addMonthsClampsTheDay_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("to");

    QTest::newRow("31 Jan into February") << QDate(2026, 1, 31) << 1 << QDate(2026, 2, 28);
    QTest::newRow("31 Jan into leap February") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
    QTest::newRow("31 Mar into April") << QDate(2026, 3, 31) << 1 << QDate(2026, 4, 30);
    QTest::newRow("over the year end") << QDate(2025, 12, 31) << 1 << QDate(2026, 1, 31);
    QTest::newRow("backwards") << QDate(2026, 5, 31) << -3 << QDate(2026, 2, 28);
    QTest::newRow("a year from 29 Feb") << QDate(2024, 2, 29) << 12 << QDate(2025, 2, 28);
    QTest::newRow("short day unchanged") << QDate(2026, 1, 15) << 1 << QDate(2026, 2, 15);
    QTest::newRow("thirty years") << QDate(2026, 1, 31) << 360 << QDate(2056, 1, 31);
}

void TestDates::addMonthsClampsTheDay()
{
    QFETCH(QDate, from);
    QFETCH(int, months);
    QFETCH(QDate, to);
    QCOMPARE(DayCount::ToDate(DayCount::AddMonths(DayCount::FromDate(from), months)), to);
}

void TestDates::addMonthsKeepsTheTimeOfDay()
{
    QCOMPARE(DayCount::AddMonths(Day(2026, 1, 31) + 0.25, 1), Day(2026, 2, 28) + 0.25);
}

void TestDates::addDaysCrossesMonthsAndYears()
{
    QCOMPARE(DayCount::AddDays(Day(2025, 12, 25), 14), Day(2026, 1, 8));
    QCOMPARE(DayCount::AddDays(Day(2024, 2, 15), 28), Day(2024, 3, 14));
}

void TestDates::calendarSteps_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QList<QDate>>("dates");

    QTest::newRow("monthly keeps the shortened day")
        << "M" << QDate(2026, 1, 31)
        << QList<QDate>{ { 2026, 1, 31 }, { 2026, 2, 28 }, { 2026, 3, 28 }, { 2026, 4, 28 } };
    QTest::newRow("twice monthly: 14 days, then a month from the base")
        << "B" << QDate(2026, 1, 31)
        << QList<QDate>{ { 2026, 1, 31 }, { 2026, 2, 14 }, { 2026, 2, 28 },
                         { 2026, 3, 14 }, { 2026, 3, 28 }, { 2026, 4, 11 }, { 2026, 4, 28 } };
    QTest::newRow("twice monthly from the 1st")
        << "B" << QDate(2026, 4, 1)
        << QList<QDate>{ { 2026, 4, 1 }, { 2026, 4, 15 }, { 2026, 5, 1 }, { 2026, 5, 15 } };
    QTest::newRow("biweekly")
        << "W" << QDate(2026, 12, 24)
        << QList<QDate>{ { 2026, 12, 24 }, { 2027, 1, 7 }, { 2027, 1, 21 } };
    QTest::newRow("quadweekly")
        << "Q" << QDate(2026, 1, 31)
        << QList<QDate>{ { 2026, 1, 31 }, { 2026, 2, 28 }, { 2026, 3, 28 } };
    QTest::newRow("unknown code never moves")
        << "" << QDate(2026, 1, 31)
        << QList<QDate>{ { 2026, 1, 31 }, { 2026, 1, 31 }, { 2026, 1, 31 } };
}

void TestDates::calendarSteps()
{
    QFETCH(QString, code);
    QFETCH(QDate, first);
    QFETCH(QList<QDate>, dates);
    QCOMPARE(DueDates(code, first, dates.size()), dates);
}

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
