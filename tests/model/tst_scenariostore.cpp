// Saved scenarios as the registry holds them: the key's value names and
// forms, loading under other regional settings, values that do not convert,
// refused names, a save killed halfway, and a save or load that cannot reach
// the hive.

#include "engine/DayCount.h"
#include "store/HiveStore.h"
#include "store/RegistryAPI.h"
#include "model/ScenarioName.h"
#include "model/ScenarioStore.h"
#include "store/Settings.h"
#include "model/StoredText.h"
#include "tests/store/FullDisk.h"
#include "tests/store/HiveLock.h"
#include "tests/model/ScenarioRounds.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <memory>

using RegistryAPI::Root;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

QString scenarioKey(const QString& name)
{
    return Settings::ProgramKey + QLatin1Char('\\') + name;
}

QVariant storedText(const QString& scenario, const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, scenarioKey(scenario), name,
                                  RegistryAPI::REG_SZ, QStringLiteral("<missing>"));
}

QVariant storedNumber(const QString& scenario, const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, scenarioKey(scenario), name,
                                  RegistryAPI::REG_DWORD, QStringLiteral("<missing>"));
}

void storeText(const QString& scenario, const QString& name, const QString& text)
{
    RegistryAPI::WriteValue(Root::CurrentUser, scenarioKey(scenario), name, RegistryAPI::REG_SZ,
                            text);
}

// The value names of a scenario key exactly as the hive holds them, in the
// hive's own order.
QStringList valueNames(const QString& scenario)
{
    QStringList names;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(HiveStore::FilePath()).constData(), &db,
                        SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt* list = nullptr;
        sqlite3_prepare_v2(db, R"sql(
            SELECT v.name FROM hive_values v JOIN keys k ON v.key = k.id JOIN keys p ON k.parent = p.id
            WHERE k.name = ?1 AND p.name = 'Loan' ORDER BY v.name)sql",
                           -1, &list, nullptr);
        const QByteArray utf8 = scenario.toUtf8();
        sqlite3_bind_text(list, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(list) == SQLITE_ROW)
            names.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0))));
        sqlite3_finalize(list);
    }
    sqlite3_close_v2(db);
    return names;
}

QStringList scenarioValueNames(int quotes)
{
    QStringList names = {
        QStringLiteral("LoanName"),          QStringLiteral("LoanType"),
        QStringLiteral("LoanAmount"),        QStringLiteral("LoanTerm"),
        QStringLiteral("EscrowTaxes"),       QStringLiteral("EscrowInsurance"),
        QStringLiteral("CurrentLoanAmount"), QStringLiteral("CurrentTerm"),
        QStringLiteral("CurrentInterestRate"), QStringLiteral("CurrentBalance"),
        QStringLiteral("CurrentActualPayment"), QStringLiteral("CurrentFrequency"),
        QStringLiteral("CurrentActualFrequency"), QStringLiteral("CurrentPayment"),
        QStringLiteral("CurrentNextPayment"), QStringLiteral("LoanCount"),
    };
    for (int n = 1; n <= quotes; ++n) {
        for (const char* suffix :
             {" FinancePoints", " Points", " Term", " InterestRate", " Frequency", " ActualPayment", " Who"})
            names.append(QStringLiteral("Loan ") + QString::number(n) + QLatin1String(suffix));
    }
    names.sort();
    return names;
}

ScenarioQuote filledQuote(int seed)
{
    ScenarioQuote quote;
    quote.FinancePoints = seed % 2 == 1;
    quote.Points = 0.25 * seed;
    quote.Term = 180 + 12 * seed;
    quote.InterestRate = 0.055 + seed / 8000.0;
    quote.FrequencyCode = QStringLiteral("MBWQ").mid(seed % 4, 1);
    quote.ActualPayment = Money::FromDouble(1234.5678 + seed);
    quote.Who = QStringLiteral("Lender %1").arg(seed);
    return quote;
}

// A scenario with every value set, none of them 0 or empty.
ScenarioData fullScenario()
{
    ScenarioData data;
    data.LoanType = QStringLiteral("C");
    data.LoanAmount = Money::FromDouble(250000.1234);
    data.LoanTerm = 180;
    data.EscrowTaxes = Money::FromDouble(3600.25);
    data.EscrowInsurance = Money::FromDouble(1200.75);
    data.CurrentLoanAmount = Money::FromDouble(210000);
    data.CurrentTerm = 360;
    data.CurrentInterestRate = 0.06875;
    data.CurrentBalance = Money::FromDouble(187654.32);
    data.CurrentActualPayment = Money::FromDouble(1600);
    data.CurrentFrequency = QStringLiteral("B");
    data.CurrentActualFrequency = QStringLiteral("W");
    data.CurrentPayment = Money::FromDouble(1379.1);
    data.CurrentNextPayment = DayCount::FromDate(QDate(2027, 2, 28));
    for (int i = 0; i < ScenarioStore::MaxQuotes; ++i)
        data.Quotes.append(filledQuote(i + 1));
    QString who;
    for (int line = 0; who.size() < 3000; ++line)
        who += QStringLiteral("Línea %1: Crédit Agricole, Ærø Bank, 北京银行, ☎ 555-0199\r\n").arg(line);
    who.truncate(3000);
    data.Quotes[3].Who = who;
    return data;
}

void compareScenarios(const ScenarioData& loaded, const ScenarioData& saved)
{
    QCOMPARE(loaded.LoanType, saved.LoanType);
    QCOMPARE(loaded.LoanAmount, saved.LoanAmount);
    QCOMPARE(loaded.LoanTerm, saved.LoanTerm);
    QCOMPARE(loaded.EscrowTaxes, saved.EscrowTaxes);
    QCOMPARE(loaded.EscrowInsurance, saved.EscrowInsurance);
    QCOMPARE(loaded.CurrentLoanAmount, saved.CurrentLoanAmount);
    QCOMPARE(loaded.CurrentTerm, saved.CurrentTerm);
    QCOMPARE(loaded.CurrentInterestRate, saved.CurrentInterestRate);
    QCOMPARE(loaded.CurrentBalance, saved.CurrentBalance);
    QCOMPARE(loaded.CurrentActualPayment, saved.CurrentActualPayment);
    QCOMPARE(loaded.CurrentFrequency, saved.CurrentFrequency);
    QCOMPARE(loaded.CurrentActualFrequency, saved.CurrentActualFrequency);
    QCOMPARE(loaded.CurrentPayment, saved.CurrentPayment);
    QCOMPARE(loaded.CurrentNextPayment, saved.CurrentNextPayment);
    QCOMPARE(loaded.Quotes.size(), saved.Quotes.size());
    for (int i = 0; i < saved.Quotes.size(); ++i) {
        const ScenarioQuote& back = loaded.Quotes[i];
        const ScenarioQuote& quote = saved.Quotes[i];
        QCOMPARE(back.FinancePoints, quote.FinancePoints);
        QCOMPARE(back.Points, quote.Points);
        QCOMPARE(back.Term, quote.Term);
        QCOMPARE(back.InterestRate, quote.InterestRate);
        QCOMPARE(back.FrequencyCode, quote.FrequencyCode);
        QCOMPARE(back.ActualPayment, quote.ActualPayment);
        QCOMPARE(back.Who, quote.Who);
    }
}

QStringList messages(const LoadedScenario& loaded)
{
    QStringList texts;
    for (const ScenarioLoadError& error : loaded.Errors)
        texts.append(error.Message());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(ScenarioQuote)
Q_DECLARE_METATYPE(ScenarioName::Verdict)

namespace QTest {

template <>
char* toString(const Money& money)
{
    return qstrdup(QByteArray::number(money.Raw()).constData());
}

} // namespace QTest

class TestScenarioStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void quotesAreNumberedByTheSavedOnes();
    void resavingLeavesNoStaleValues();
    void quoteIsSavedOnlyWithData_data();
    void quoteIsSavedOnlyWithData();
    void ratesKeepTheirStorageForms();
    void closingCostsAreStoredOnlyWhenSet();
    void loanEstimateValuesAreStoredOnlyWhenSet();
    void everyValueRoundTrips_data();
    void everyValueRoundTrips();
    void numbersLoadUnderOtherLocale_data();
    void numbersLoadUnderOtherLocale();
    void storedNumbersRead_data();
    void storedNumbersRead();
    void storedDatesRead_data();
    void storedDatesRead();
    void failedValuesAreReportedAndSkipped();
    void namesAreChecked_data();
    void namesAreChecked();
    void refusedNamesTouchNoKey();
    void nameListAndCase();
    void killedSaveLeavesAWholeScenario_data();
    void killedSaveLeavesAWholeScenario();
    void hiveFailureRaisesAndKeepsTheSavedScenario_data();
    void hiveFailureRaisesAndKeepsTheSavedScenario();

private:
    std::unique_ptr<QTemporaryDir> config;
};

void TestScenarioStore::init()
{
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    QLocale::setDefault(UnitedStates);
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
}

void TestScenarioStore::cleanup()
{
    QLocale::setDefault(UnitedStates);
}

void TestScenarioStore::quotesAreNumberedByTheSavedOnes()
{
    ScenarioData data;
    data.LoanAmount = Money::FromDouble(200000);
    data.Quotes = {filledQuote(1), ScenarioQuote(), filledQuote(3), ScenarioQuote()};
    QVERIFY(ScenarioStore::Save(QStringLiteral("House"), data));

    QCOMPARE(valueNames(QStringLiteral("House")), scenarioValueNames(2));
    QCOMPARE(storedNumber(QStringLiteral("House"), QStringLiteral("LoanCount")), QVariant(2));
    QCOMPARE(storedText(QStringLiteral("House"), QStringLiteral("LoanName")), QVariant(QStringLiteral("House")));
    QCOMPARE(storedText(QStringLiteral("House"), QStringLiteral("Loan 2 Who")),
             QVariant(QStringLiteral("Lender 3")));
    QCOMPARE(storedNumber(QStringLiteral("House"), QStringLiteral("Loan 1 FinancePoints")), QVariant(-1));
    QCOMPARE(storedText(QStringLiteral("House"), QStringLiteral("LoanTerm")), QVariant(QStringLiteral("0")));

    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("House"));
    QVERIFY(loaded.Errors.isEmpty());
    QCOMPARE(loaded.Data.Quotes.size(), 2);
    QCOMPARE(loaded.Data.Quotes[0].Who, QStringLiteral("Lender 1"));
    QCOMPARE(loaded.Data.Quotes[1].Who, QStringLiteral("Lender 3"));
    QCOMPARE(loaded.Data.Quotes[1].Term, filledQuote(3).Term);
}

void TestScenarioStore::resavingLeavesNoStaleValues()
{
    ScenarioData data;
    data.Quotes = {filledQuote(1), filledQuote(2), filledQuote(3)};
    QVERIFY(ScenarioStore::Save(QStringLiteral("House"), data));
    QCOMPARE(valueNames(QStringLiteral("House")), scenarioValueNames(3));

    data.Quotes[0] = ScenarioQuote();
    data.Quotes[2] = ScenarioQuote();
    QVERIFY(ScenarioStore::Save(QStringLiteral("house"), data));
    QCOMPARE(valueNames(QStringLiteral("house")), scenarioValueNames(1));
    QCOMPARE(ScenarioStore::Names(), QStringList{QStringLiteral("house")});
    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("HOUSE"));
    QCOMPARE(loaded.Data.Quotes.size(), 1);
    QCOMPARE(loaded.Data.Quotes[0].Who, QStringLiteral("Lender 2"));
}

// Scenarios without closing costs keep exactly the values older copies of the
// program write and read.
void TestScenarioStore::closingCostsAreStoredOnlyWhenSet()
{
    ScenarioData data;
    data.Quotes = {filledQuote(1), filledQuote(2), ScenarioQuote()};
    data.Quotes[1].ClosingCosts = Money::FromDouble(3250.5);
    data.Quotes[1].FinanceClosingCosts = true;
    // Closing costs alone are worth saving.
    data.Quotes[2].ClosingCosts = Money::FromDouble(900);
    QVERIFY(ScenarioStore::Save(QStringLiteral("House"), data));

    QStringList names = scenarioValueNames(3);
    names << QStringLiteral("Loan 2 ClosingCosts") << QStringLiteral("Loan 2 FinanceClosingCosts")
          << QStringLiteral("Loan 3 ClosingCosts");
    names.sort();
    QCOMPARE(valueNames(QStringLiteral("House")), names);
    QCOMPARE(storedText(QStringLiteral("House"), QStringLiteral("Loan 2 ClosingCosts")),
             QVariant(QStringLiteral("3250.5")));
    QCOMPARE(storedNumber(QStringLiteral("House"), QStringLiteral("Loan 2 FinanceClosingCosts")), QVariant(1));

    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("House"));
    QVERIFY(loaded.Errors.isEmpty());
    QCOMPARE(loaded.Data.Quotes.size(), 3);
    QCOMPARE(loaded.Data.Quotes[0].ClosingCosts, Money());
    QVERIFY(!loaded.Data.Quotes[0].FinanceClosingCosts);
    QCOMPARE(loaded.Data.Quotes[1].ClosingCosts, Money::FromDouble(3250.5));
    QVERIFY(loaded.Data.Quotes[1].FinanceClosingCosts);
    QCOMPARE(loaded.Data.Quotes[2].ClosingCosts, Money::FromDouble(900));
}

// The first payment, the property value and each quote's lender credit,
// mortgage insurance and disclosed APR: written only when set, so a
// scenario without them holds exactly the names it held before and loads
// as before; an APR of 0 is set and is kept.
void TestScenarioStore::loanEstimateValuesAreStoredOnlyWhenSet()
{
    ScenarioData data;
    data.Quotes = {filledQuote(1), filledQuote(2), filledQuote(3)};
    QVERIFY(ScenarioStore::Save(QStringLiteral("Before"), data));
    QCOMPARE(valueNames(QStringLiteral("Before")), scenarioValueNames(3));
    const LoadedScenario before = ScenarioStore::Load(QStringLiteral("Before"));
    QVERIFY(before.Errors.isEmpty());
    QCOMPARE(before.Data.FirstPayment, 0.0);
    QCOMPARE(before.Data.PropertyValue, Money());
    for (const ScenarioQuote& quote : before.Data.Quotes) {
        QCOMPARE(quote.LenderCredit, Money());
        QCOMPARE(quote.MortgageInsurance, Money());
        QVERIFY(!quote.DisclosedApr.has_value());
    }

    data.FirstPayment = DayCount::FromDate(QDate(2027, 3, 1));
    data.PropertyValue = Money::FromDouble(312500.5);
    data.Quotes[0].LenderCredit = Money::FromDouble(1250.75);
    data.Quotes[1].MortgageInsurance = Money::FromDouble(87.5);
    data.Quotes[1].DisclosedApr = 0.06125;
    data.Quotes[2].DisclosedApr = 0.0;
    QVERIFY(ScenarioStore::Save(QStringLiteral("Estimate"), data));
    QStringList names = scenarioValueNames(3);
    names << QStringLiteral("FirstPayment") << QStringLiteral("PropertyValue") << QStringLiteral("Loan 1 LenderCredit")
          << QStringLiteral("Loan 2 MortgageInsurance") << QStringLiteral("Loan 2 DisclosedApr")
          << QStringLiteral("Loan 3 DisclosedApr");
    names.sort();
    QCOMPARE(valueNames(QStringLiteral("Estimate")), names);
    QCOMPARE(storedText(QStringLiteral("Estimate"), QStringLiteral("FirstPayment")),
             QVariant(QStringLiteral("2027-03-01")));

    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("Estimate"));
    QVERIFY(loaded.Errors.isEmpty());
    compareScenarios(loaded.Data, data);
    QCOMPARE(loaded.Data.FirstPayment, data.FirstPayment);
    QCOMPARE(loaded.Data.PropertyValue, data.PropertyValue);
    QVERIFY(loaded.Data.Quotes == data.Quotes);

    // A value that does not read is reported and leaves its place empty.
    storeText(QStringLiteral("Estimate"), QStringLiteral("Loan 2 DisclosedApr"), QStringLiteral("six"));
    const LoadedScenario failed = ScenarioStore::Load(QStringLiteral("Estimate"));
    QCOMPARE(failed.Errors.size(), 1);
    QCOMPARE(failed.Errors.first().Source(), QStringLiteral("Loan 2 DisclosedApr"));
    QVERIFY(!failed.Data.Quotes[1].DisclosedApr.has_value());
    QCOMPARE(failed.Data.Quotes[1].MortgageInsurance, Money::FromDouble(87.5));
}

void TestScenarioStore::quoteIsSavedOnlyWithData_data()
{
    QTest::addColumn<ScenarioQuote>("quote");
    QTest::addColumn<int>("count");
    ScenarioQuote quote;
    quote.FinancePoints = true;
    quote.FrequencyCode = QStringLiteral("M");
    QTest::newRow("finance points and frequency only") << quote << 0;
    ScenarioQuote who = quote;
    who.Who = QStringLiteral("x");
    QTest::newRow("who") << who << 1;
    ScenarioQuote payment = quote;
    payment.ActualPayment = Money::FromRaw(1);
    QTest::newRow("actual payment") << payment << 1;
    ScenarioQuote term = quote;
    term.Term = 1;
    QTest::newRow("term") << term << 1;
    ScenarioQuote rate = quote;
    rate.InterestRate = 0.001;
    QTest::newRow("interest rate") << rate << 1;
    ScenarioQuote points = quote;
    points.Points = 0.125;
    QTest::newRow("points") << points << 1;
}

void TestScenarioStore::quoteIsSavedOnlyWithData()
{
    QFETCH(ScenarioQuote, quote);
    QFETCH(int, count);
    ScenarioData data;
    data.Quotes = {quote};
    QVERIFY(ScenarioStore::Save(QStringLiteral("Car"), data));
    QCOMPARE(storedNumber(QStringLiteral("Car"), QStringLiteral("LoanCount")), QVariant(count));
    QCOMPARE(valueNames(QStringLiteral("Car")), scenarioValueNames(count));
}

void TestScenarioStore::ratesKeepTheirStorageForms()
{
    ScenarioData data;
    data.CurrentInterestRate = 0.065;
    ScenarioQuote quote;
    quote.InterestRate = 0.065;
    data.Quotes = {quote};
    QVERIFY(ScenarioStore::Save(QStringLiteral("Rates"), data));
    QCOMPARE(storedText(QStringLiteral("Rates"), QStringLiteral("CurrentInterestRate")),
             QVariant(QStringLiteral("6.5")));
    QCOMPARE(storedText(QStringLiteral("Rates"), QStringLiteral("Loan 1 InterestRate")),
             QVariant(QStringLiteral("0.065")));

    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("Rates"));
    QCOMPARE(loaded.Data.CurrentInterestRate, 0.065);
    QCOMPARE(loaded.Data.Quotes.value(0).InterestRate, 0.065);
}

void TestScenarioStore::everyValueRoundTrips_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("name");
    QTest::newRow("United States") << UnitedStates << QStringLiteral("Casa de la playa");
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany)
                             << QStringLiteral("Ferienwohnung Müller-Lüdenscheidt");
    QTest::newRow("Spain") << QLocale(QLocale::Spanish, QLocale::Spain) << QStringLiteral("Préstamo Ñandú €");
    QTest::newRow("Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt) << QStringLiteral("قرض المنزل");
    QTest::newRow("Japan") << QLocale(QLocale::Japanese, QLocale::Japan) << QStringLiteral("住宅ローン 🏠");
}

void TestScenarioStore::everyValueRoundTrips()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, name);
    QLocale::setDefault(locale);
    const ScenarioData saved = fullScenario();
    QVERIFY(ScenarioStore::Save(name, saved));
    QVERIFY(ScenarioStore::Exists(name));
    QCOMPARE(ScenarioStore::Names(), QStringList{name});

    const LoadedScenario loaded = ScenarioStore::Load(name);
    QCOMPARE(messages(loaded), QStringList());
    compareScenarios(loaded.Data, saved);
}

void TestScenarioStore::numbersLoadUnderOtherLocale_data()
{
    QTest::addColumn<QLocale>("saving");
    QTest::addColumn<QLocale>("loading");
    QTest::addColumn<QString>("storedRate");
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QLocale france(QLocale::French, QLocale::France);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("comma to full stop") << germany << UnitedStates << QStringLiteral("6,875");
    QTest::newRow("full stop to comma") << britain << germany << QStringLiteral("6.875");
    QTest::newRow("comma to full stop, day first") << france << britain << QStringLiteral("6,875");
    QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt) << britain
                                   << QStringLiteral("٦٫٨٧٥");
    QTest::newRow("Persian digits, year first")
        << QLocale(QLocale::Persian, QLocale::Iran) << UnitedStates << QStringLiteral("۶٫۸۷۵");
}

void TestScenarioStore::numbersLoadUnderOtherLocale()
{
    QFETCH(QLocale, saving);
    QFETCH(QLocale, loading);
    QFETCH(QString, storedRate);
    QLocale::setDefault(saving);
    const ScenarioData saved = fullScenario();
    QVERIFY(ScenarioStore::Save(QStringLiteral("Abroad"), saved));
    QCOMPARE(storedText(QStringLiteral("Abroad"), QStringLiteral("CurrentInterestRate")).toString(),
             storedRate);

    QLocale::setDefault(loading);
    const LoadedScenario loaded = ScenarioStore::Load(QStringLiteral("Abroad"));
    QCOMPARE(messages(loaded), QStringList());
    compareScenarios(loaded.Data, saved);
}

void TestScenarioStore::storedNumbersRead_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");
    const QLocale germany(QLocale::German, QLocale::Germany);
    QTest::newRow("empty is 0") << UnitedStates << QString() << true << 0.0;
    QTest::newRow("own separator") << germany << QStringLiteral("-1234,5") << true << -1234.5;
    QTest::newRow("comma under full stop") << UnitedStates << QStringLiteral("6,5") << true << 6.5;
    QTest::newRow("lone comma is no thousands separator")
        << UnitedStates << QStringLiteral("1,234") << true << 1.234;
    QTest::newRow("lone full stop is no thousands separator")
        << germany << QStringLiteral("1.234") << true << 1.234;
    QTest::newRow("blanks around, as another program wrote it")
        << UnitedStates << QStringLiteral(" 6.5 ") << true << 6.5;
    QTest::newRow("exponent") << germany << QStringLiteral("1E-05") << true << 0.00001;
    QTest::newRow("both separators") << UnitedStates << QStringLiteral("1,234.5") << false << 0.0;
    QTest::newRow("two separators") << germany << QStringLiteral("1,2,3") << false << 0.0;
    QTest::newRow("letters") << UnitedStates << QStringLiteral("12abc") << false << 0.0;
    QTest::newRow("sign after") << UnitedStates << QStringLiteral("5-") << false << 0.0;
    QTest::newRow("infinite") << UnitedStates << QStringLiteral("1e400") << false << 0.0;
}

void TestScenarioStore::storedNumbersRead()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, number);
    QLocale::setDefault(locale);
    const std::optional<double> read = StoredText::ToNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, number);
}

void TestScenarioStore::storedDatesRead_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    const int thisYear = QDate::currentDate().year();
    const auto twoDigits = [](int year) { return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0')); };

    QTest::newRow("empty is no date") << UnitedStates << QString() << QDate();
    QTest::newRow("own short date") << UnitedStates << QStringLiteral("12/1/2026") << QDate(2026, 12, 1);
    QTest::newRow("own short date, day first") << britain << QStringLiteral("01/12/2026") << QDate(2026, 12, 1);
    QTest::newRow("full stops put the day first") << UnitedStates << QStringLiteral("01.12.2026")
                                                  << QDate(2026, 12, 1);
    QTest::newRow("year first") << germany << QStringLiteral("2026-12-01") << QDate(2026, 12, 1);
    QTest::newRow("no such month: swapped") << UnitedStates << QStringLiteral("13/1/2026") << QDate(2026, 1, 13);
    QTest::newRow("two-digit year, a few years on")
        << UnitedStates << QStringLiteral("12/1/") + twoDigits(thisYear + 5) << QDate(thisYear + 5, 12, 1);
    QTest::newRow("two-digit year, 19 years on")
        << germany << QStringLiteral("1.12.") + twoDigits(thisYear + 19) << QDate(thisYear + 19, 12, 1);
    QTest::newRow("two-digit year, 20 years on is 80 back")
        << germany << QStringLiteral("1.12.") + twoDigits(thisYear + 20) << QDate(thisYear - 80, 12, 1);
    QTest::newRow("two-digit year, 60 years back")
        << britain << QStringLiteral("1/12/") + twoDigits(thisYear - 60) << QDate(thisYear - 60, 12, 1);
    QTest::newRow("words") << UnitedStates << QStringLiteral("December 1, 2026") << QDate(0, 0, 0);
    QTest::newRow("no day") << UnitedStates << QStringLiteral("12/2026") << QDate(0, 0, 0);
    QTest::newRow("no such day") << UnitedStates << QStringLiteral("2/30/2026") << QDate(0, 0, 0);
}

void TestScenarioStore::storedDatesRead()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QLocale::setDefault(locale);
    const std::optional<double> read = StoredText::ToDate(text);
    if (date.isNull() && !text.isEmpty()) {
        QVERIFY2(!read, qPrintable(DayCount::ToDate(read.value_or(0)).toString(Qt::ISODate)));
        return;
    }
    QVERIFY(read);
    QCOMPARE(*read, date.isNull() ? 0.0 : DayCount::FromDate(date));
}

void TestScenarioStore::failedValuesAreReportedAndSkipped()
{
    const QString name = QStringLiteral("Damaged");
    const ScenarioData saved = fullScenario();
    QVERIFY(ScenarioStore::Save(name, saved));
    storeText(name, QStringLiteral("LoanAmount"), QStringLiteral("12abc"));
    storeText(name, QStringLiteral("LoanTerm"), QStringLiteral("3e10"));
    storeText(name, QStringLiteral("EscrowInsurance"), QStringLiteral("1e300"));
    storeText(name, QStringLiteral("CurrentInterestRate"), QStringLiteral("seven"));
    storeText(name, QStringLiteral("CurrentNextPayment"), QStringLiteral("soon"));
    storeText(name, QStringLiteral("Loan 2 InterestRate"), QStringLiteral("6.5%"));

    const LoadedScenario loaded = ScenarioStore::Load(name);
    QCOMPARE(messages(loaded), QStringList({
                                   QStringLiteral("errn=13  src=LoanAmount  desc=Type mismatch"),
                                   QStringLiteral("errn=6  src=LoanTerm  desc=Overflow"),
                                   QStringLiteral("errn=6  src=EscrowInsurance  desc=Overflow"),
                                   QStringLiteral("errn=13  src=CurrentInterestRate  desc=Type mismatch"),
                                   QStringLiteral("errn=13  src=CurrentNextPayment  desc=Type mismatch"),
                                   QStringLiteral("errn=13  src=Loan 2 InterestRate  desc=Type mismatch"),
                               }));
    QVERIFY(loaded.Failure(ScenarioField::LoanAmount));
    QCOMPARE(loaded.Failure(ScenarioField::LoanTerm)->Number(), ScenarioLoadError::OverflowNumber);
    QVERIFY(!loaded.Failure(ScenarioField::EscrowTaxes));
    QVERIFY(loaded.Failure(1, QuoteField::InterestRate));
    QVERIFY(!loaded.Failure(0, QuoteField::InterestRate));
    QVERIFY(!loaded.Failure(1, QuoteField::Term));

    // Everything else loaded; the failed values kept their defaults.
    ScenarioData expected = saved;
    expected.LoanAmount = Money();
    expected.LoanTerm = 0;
    expected.EscrowInsurance = Money();
    expected.CurrentInterestRate = 0;
    expected.CurrentNextPayment = 0;
    expected.Quotes[1].InterestRate = 0;
    compareScenarios(loaded.Data, expected);
}

void TestScenarioStore::namesAreChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ScenarioName::Verdict>("verdict");
    using Verdict = ScenarioName::Verdict;
    QTest::newRow("plain") << QStringLiteral("House") << Verdict::Valid;
    QTest::newRow("accents") << QStringLiteral("Préstamo Ñandú") << Verdict::Valid;
    QTest::newRow("other scripts") << QStringLiteral("住宅ローン 🏠") << Verdict::Valid;
    QTest::newRow("inner blanks and punctuation") << QStringLiteral("Car #2 (new)/used.") << Verdict::Valid;
    QTest::newRow("255 characters") << QString(255, QLatin1Char('x')) << Verdict::Valid;
    QTest::newRow("empty") << QString() << Verdict::Blank;
    QTest::newRow("one blank") << QStringLiteral(" ") << Verdict::Blank;
    QTest::newRow("two blanks") << QStringLiteral("  ") << Verdict::Refused;
    QTest::newRow("backslash") << QStringLiteral("House\\Garage") << Verdict::Refused;
    QTest::newRow("leading blank") << QStringLiteral(" House") << Verdict::Refused;
    QTest::newRow("trailing blank") << QStringLiteral("House ") << Verdict::Refused;
    QTest::newRow("line break") << QStringLiteral("House\nGarage") << Verdict::Refused;
    QTest::newRow("tab") << QStringLiteral("House\tGarage") << Verdict::Refused;
    QTest::newRow("line separator") << QStringLiteral("House\u2028Garage") << Verdict::Refused;
    QTest::newRow("256 characters") << QString(256, QLatin1Char('x')) << Verdict::Refused;
    QTest::newRow("half a character") << QString(QChar(0xD83C)) + QStringLiteral("x") << Verdict::Refused;
}

void TestScenarioStore::namesAreChecked()
{
    QFETCH(QString, name);
    QFETCH(ScenarioName::Verdict, verdict);
    QCOMPARE(ScenarioName::Check(name), verdict);
    QCOMPARE(ScenarioStore::Save(name, fullScenario()), verdict == ScenarioName::Verdict::Valid);
    QCOMPARE(ScenarioStore::Names().size(), verdict == ScenarioName::Verdict::Valid ? 1 : 0);
}

void TestScenarioStore::refusedNamesTouchNoKey()
{
    RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, QStringLiteral("LoansDisplayed"),
                            RegistryAPI::REG_DWORD, 9);
    QVERIFY(ScenarioStore::Save(QStringLiteral("House"), fullScenario()));
    RegistryAPI::CreateKey(Root::CurrentUser, scenarioKey(QStringLiteral("House\\Garage")));

    for (const QString& name : {QString(), QStringLiteral(" "), QStringLiteral("\\"),
                                QStringLiteral("House\\Garage")}) {
        QVERIFY(!ScenarioStore::Exists(name));
        QVERIFY(!ScenarioStore::Save(name, ScenarioData()));
        ScenarioStore::Delete(name);
        QCOMPARE(ScenarioStore::Load(name).Data.Quotes.size(), 0);
    }
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, scenarioKey(QStringLiteral("House\\Garage"))));
    QCOMPARE(RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, QStringLiteral("LoansDisplayed"),
                                    RegistryAPI::REG_DWORD, 0),
             QVariant(9));
    QCOMPARE(ScenarioStore::Load(QStringLiteral("House")).Data.Quotes.size(), ScenarioStore::MaxQuotes);
}

void TestScenarioStore::nameListAndCase()
{
    QCOMPARE(ScenarioStore::Names(), QStringList());
    RegistryAPI::DeleteKey(Root::CurrentUser, Settings::ProgramKey);
    QCOMPARE(ScenarioStore::Names(), QStringList());
    QVERIFY(!ScenarioStore::Exists(QStringLiteral("House")));

    QVERIFY(ScenarioStore::Save(QStringLiteral("beta"), ScenarioData()));
    QVERIFY(ScenarioStore::Save(QStringLiteral("Alpha"), ScenarioData()));
    QVERIFY(ScenarioStore::Save(QStringLiteral("!Urgent"), ScenarioData()));
    QCOMPARE(ScenarioStore::Names(),
             QStringList({QStringLiteral("!Urgent"), QStringLiteral("Alpha"), QStringLiteral("beta")}));
    QVERIFY(ScenarioStore::Exists(QStringLiteral("ALPHA")));

    ScenarioData data;
    data.Quotes = {filledQuote(1)};
    QVERIFY(ScenarioStore::Save(QStringLiteral("ALPHA"), data));
    QCOMPARE(ScenarioStore::Names(),
             QStringList({QStringLiteral("!Urgent"), QStringLiteral("ALPHA"), QStringLiteral("beta")}));
    QCOMPARE(ScenarioStore::Load(QStringLiteral("alpha")).Data.Quotes.size(), 1);

    ScenarioStore::Delete(QStringLiteral("alpha"));
    ScenarioStore::Delete(QStringLiteral("!URGENT"));
    QCOMPARE(ScenarioStore::Names(), QStringList{QStringLiteral("beta")});
    ScenarioStore::Delete(QStringLiteral("Beta"));
    QCOMPARE(ScenarioStore::Names(), QStringList());
}

void TestScenarioStore::killedSaveLeavesAWholeScenario_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("announcement");
    QTest::addColumn<int>("delayMs");
    const QString name = QStringLiteral("Préstamo");
    QTest::newRow("inside its transaction")
        << QStringList{QStringLiteral("hold"), name, QStringLiteral("7")} << QStringLiteral("saved") << 0;
    for (int delay : {0, 5, 20, 60})
        QTest::addRow("saving over and over, after %d ms", delay)
            << QStringList{QStringLiteral("loop"), name} << QStringLiteral("started") << delay;
}

void TestScenarioStore::killedSaveLeavesAWholeScenario()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, announcement);
    QFETCH(int, delayMs);
    QLocale::setDefault(roundLocale());
    const QString name = arguments.at(1);
    QVERIFY(ScenarioStore::Save(name, roundScenario(0)));

    QProcess saver;
    saver.start(QStringLiteral(SCENARIO_SAVER), arguments);
    QVERIFY(saver.waitForReadyRead(20000));
    QCOMPARE(saver.readLine().trimmed(), announcement.toUtf8());
    QThread::msleep(delayMs);
    saver.kill();
    QVERIFY(saver.waitForFinished(10000));
    QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

    const LoadedScenario loaded = ScenarioStore::Load(name);
    QCOMPARE(messages(loaded), QStringList());
    const int round = wholeRound(loaded.Data);
    QVERIFY2(round >= 0, "the scenario is not one save whole");
    QCOMPARE(valueNames(name), scenarioValueNames(loaded.Data.Quotes.size()));
    if (arguments.first() == QLatin1String("hold"))
        QCOMPARE(round, 0);
    QCOMPARE(ScenarioStore::Names(), QStringList{name});
}

void TestScenarioStore::hiveFailureRaisesAndKeepsTheSavedScenario_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("fault");
    QTest::newRow("save, hive locked") << "save" << "locked";
    QTest::newRow("load, hive locked") << "load" << "locked";
    QTest::newRow("save, disk full") << "save" << "full";
}

void TestScenarioStore::hiveFailureRaisesAndKeepsTheSavedScenario()
{
    QFETCH(QString, operation);
    QFETCH(QString, fault);
    const QString name = QStringLiteral("House");
    QVERIFY(ScenarioStore::Save(name, fullScenario()));
    {
        std::unique_ptr<HiveLock> otherCopy;
        std::unique_ptr<FullDisk> full;
        if (fault == QLatin1String("locked")) {
            otherCopy = std::make_unique<HiveLock>();
            QVERIFY(otherCopy->isHeld());
        } else {
            full = std::make_unique<FullDisk>();
        }
        // Neither an empty scenario nor a save that stored nothing may pass
        // for success.
        if (operation == QLatin1String("save"))
            QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error, ScenarioStore::Save(name, ScenarioData()));
        else
            QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error, ScenarioStore::Load(name));
    }
    const LoadedScenario loaded = ScenarioStore::Load(name);
    QCOMPARE(messages(loaded), QStringList());
    compareScenarios(loaded.Data, fullScenario());
}

QTEST_GUILESS_MAIN(TestScenarioStore)
#include "tst_scenariostore.moc"
