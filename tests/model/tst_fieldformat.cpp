// The number rule and the display formats of the window's fields, under
// pinned regional settings.

#include "engine/DayCount.h"
#include "model/FieldFormat.h"

#include <QLocale>
#include <QTest>

class TestFieldFormat : public QObject
{
    Q_OBJECT

private slots:
    void isValidNumber_data();
    void isValidNumber();
    void generalNumber_data();
    void generalNumber();
    void percentAndPoints_data();
    void percentAndPoints();
    void currencyFollowsTheLocale_data();
    void currencyFollowsTheLocale();
    void shortDateKeepsTheCentury_data();
    void shortDateKeepsTheCentury();
    void separatorIsFixedOnce();
};

void TestFieldFormat::isValidNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("valid");

    QTest::newRow("two decimals") << "en_US" << "1234.56" << 2 << true;
    QTest::newRow("three decimals for two") << "en_US" << "1234.567" << 2 << false;
    QTest::newRow("minus first") << "en_US" << "-5" << 2 << true;
    QTest::newRow("plus first") << "en_US" << "+5" << 2 << true;
    QTest::newRow("minus last") << "en_US" << "5-" << 2 << false;
    QTest::newRow("plus inside") << "en_US" << "1+2" << 2 << false;
    QTest::newRow("two separators") << "en_US" << "1.2.3" << 3 << false;
    QTest::newRow("empty") << "en_US" << "" << 0 << true;
    QTest::newRow("separator last") << "en_US" << "12." << 2 << true;
    QTest::newRow("leading blank") << "en_US" << " 5" << 2 << false;
    QTest::newRow("thousands separator") << "en_US" << "1,000" << 2 << false;
    QTest::newRow("separator in a term") << "en_US" << "12.0" << 0 << false;
    QTest::newRow("long whole part") << "en_US" << "12345678901234567890" << 0 << true;
    QTest::newRow("letter") << "en_US" << "12a" << 2 << false;
    QTest::newRow("comma under German") << "de_DE" << "1234,56" << 2 << true;
    QTest::newRow("full stop under German") << "de_DE" << "1234.56" << 2 << false;
    QTest::newRow("comma under Spanish, three decimals") << "es_ES" << "6,125" << 3 << true;
}

void TestFieldFormat::isValidNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(bool, valid);
    QLocale::setDefault(QLocale(locale));
    FieldFormat::FixDecimalSeparator();

    QCOMPARE(FieldFormat::IsValidNumber(text, decimals), valid);
}

void TestFieldFormat::generalNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero is empty") << "en_US" << 0.0 << "";
    QTest::newRow("whole") << "en_US" << 150000.0 << "150000";
    QTest::newRow("no group separator") << "en_US" << 1234567.5 << "1234567.5";
    QTest::newRow("rate times 100") << "en_US" << 0.065 * 100 << "6.5";
    QTest::newRow("binary noise trimmed") << "en_US" << 0.0657 * 100 << "6.57";
    QTest::newRow("small") << "en_US" << 0.0001 << "0.0001";
    QTest::newRow("tiny is not zero") << "en_US" << 2.5e-17 << "0.000000000000000025";
    QTest::newRow("tiny negative") << "en_US" << -1e-16 << "-0.0000000000000001";
    QTest::newRow("negative") << "en_US" << -2.25 << "-2.25";
    QTest::newRow("years with a fraction") << "en_US" << 18 / 12.0 << "1.5";
    QTest::newRow("German") << "de_DE" << 1234.5 << "1234,5";
}

void TestFieldFormat::generalNumber()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(FieldFormat::GeneralNumber(value), text);
    if (value != 0)
        QCOMPARE(*FieldFormat::ToNumber(text), value);
}

void TestFieldFormat::percentAndPoints_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("points");

    QTest::newRow("zero") << "en_US" << 0.0 << "" << "";
    QTest::newRow("below one") << "en_US" << 0.005 << ".500%" << ".005";
    QTest::newRow("quarter") << "en_US" << 0.25 << "25.000%" << ".250";
    QTest::newRow("rate") << "en_US" << 0.0625 << "6.250%" << ".063";
    QTest::newRow("several") << "en_US" << 1.5 << "150.000%" << "1.500";
    QTest::newRow("negative below one") << "en_US" << -0.25 << "-25.000%" << "-.250";
    QTest::newRow("large without grouping") << "en_US" << 12.5 << "1250.000%" << "12.500";
    QTest::newRow("German") << "de_DE" << 0.25 << "25,000%" << ",250";
}

void TestFieldFormat::percentAndPoints()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, percent);
    QFETCH(QString, points);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(FieldFormat::Percent(value), percent);
    QCOMPARE(FieldFormat::Points(value), points);
}

void TestFieldFormat::currencyFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero is empty") << "en_US" << Q_INT64_C(0) << "";
    QTest::newRow("US") << "en_US" << Q_INT64_C(1500000000) << "$150,000.00";
    QTest::newRow("US cents rounded") << "en_US" << Q_INT64_C(1219742) << "$121.97";
    QTest::newRow("US negative") << "en_US" << Q_INT64_C(-50000) << "($5.00)";
    QTest::newRow("US less than half a cent below zero") << "en_US" << Q_INT64_C(-25) << "$0.00";
    QTest::newRow("US half a cent below zero") << "en_US" << Q_INT64_C(-50) << "($0.01)";
    QTest::newRow("German less than half a cent below zero") << "de_DE" << Q_INT64_C(-49)
                                                           << QString::fromUtf8("0,00 €");
    QTest::newRow("German") << "de_DE" << Q_INT64_C(1500005000) << QString::fromUtf8("150.000,50\u00a0€");
}

void TestFieldFormat::currencyFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(qint64, raw);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(FieldFormat::Currency(Money::FromRaw(raw)), text);
}

void TestFieldFormat::shortDateKeepsTheCentury_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("US") << "en_US" << QDate(2026, 12, 1) << "12/1/2026";
    QTest::newRow("US, next century") << "en_US" << QDate(2101, 1, 31) << "1/31/2101";
    QTest::newRow("German") << "de_DE" << QDate(2055, 6, 30) << "30.06.2055";
    QTest::newRow("Spanish") << "es_ES" << QDate(2026, 4, 1) << "1/4/2026";
    QTest::newRow("Japanese has four digits already") << "ja_JP" << QDate(2026, 4, 1) << "2026/04/01";
}

void TestFieldFormat::shortDateKeepsTheCentury()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(FieldFormat::ShortDate(DayCount::FromDate(date)), text);
    QCOMPARE(FieldFormat::ShortDate(0), QString());
    // What the program shows reads back as the same day.
    QCOMPARE(QLocale().toDate(text, FieldFormat::ShortDateFormat()), date);
}

void TestFieldFormat::separatorIsFixedOnce()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    FieldFormat::FixDecimalSeparator();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));

    QCOMPARE(FieldFormat::DecimalSeparator(), QLatin1Char(','));
    QVERIFY(FieldFormat::IsValidNumber(QStringLiteral("1,5"), 2));
}

QTEST_MAIN(TestFieldFormat)
#include "tst_fieldformat.moc"
