// The registry operations as the scenario storage and the settings use them.

#include "store/RegistryAPI.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using RegistryAPI::REG_BINARY;
using RegistryAPI::REG_DWORD;
using RegistryAPI::REG_SZ;
using RegistryAPI::Root;

namespace {

const QString Program = QStringLiteral("Software\\Zantic Brindlecoft\\Loan");
const QString Scenario = Program + QStringLiteral("\\House");
const QString Missing = Program + QStringLiteral("\\Nowhere");

QVariant read(const QString& path, const QString& name, int type, const QVariant& fallback)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, path, name, type, fallback);
}

void write(const QString& path, const QString& name, int type, const QVariant& value)
{
    RegistryAPI::WriteValue(Root::CurrentUser, path, name, type, value);
}

} // namespace

class TestRegistryApi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingValueGivesDefault_data();
    void missingValueGivesDefault();
    void unsupportedTypeRaisesOnlyForAnOpenKey();
    void createKeyTellsWhetherItExisted();
    void createKeyFailureRaises();
    void numbersConvertOrStoreNothing_data();
    void numbersConvertOrStoreNothing();
    void writeToMissingKeyStoresNothing();
    void textRoundTrips_data();
    void textRoundTrips();
    void binaryRoundTripsWithinItsBuffer();
    void storedTypeMustMatchRequest();
    void deleteKeyTakesItsSubtree();
    void listingShapes();
    void listingAllOf250();
    void namesIgnoreCase_data();
    void namesIgnoreCase();
    void subKeysInCaseInsensitiveOrder();
    void localMachineHoldsNothing();

private:
    std::unique_ptr<QTemporaryDir> config;
};

void TestRegistryApi::init()
{
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    RegistryAPI::CreateKey(Root::CurrentUser, Scenario);
}

void TestRegistryApi::missingValueGivesDefault_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("fallback");
    const QList<std::pair<const char*, QString>> places
        = {{"missing value", Scenario}, {"missing key", Missing}};
    for (const auto& [place, path] : places) {
        QTest::addRow("text, %s", place) << path << REG_SZ << QVariant(QStringLiteral("none"));
        QTest::addRow("binary, %s", place) << path << REG_BINARY << QVariant(QByteArray("\1\2"));
        QTest::addRow("number, %s", place) << path << REG_DWORD << QVariant(77);
    }
}

void TestRegistryApi::missingValueGivesDefault()
{
    QFETCH(QString, path);
    QFETCH(int, type);
    QFETCH(QVariant, fallback);
    QCOMPARE(read(path, QStringLiteral("Absent"), type, fallback), fallback);
}

void TestRegistryApi::unsupportedTypeRaisesOnlyForAnOpenKey()
{
    try {
        read(Scenario, QStringLiteral("LoanName"), 2, QVariant());
        QFAIL("an unsupported type was read");
    } catch (const RegistryAPI::Error& error) {
        QCOMPARE(error.Number(), 1001);
        QCOMPARE(error.Description(), QStringLiteral("Unsupported value type"));
    }
    QCOMPARE(read(Missing, QStringLiteral("LoanName"), 2, 5), QVariant(5));
    write(Scenario, QStringLiteral("Odd"), 7, 5);
    QCOMPARE(read(Scenario, QStringLiteral("Odd"), REG_DWORD, -8), QVariant(-8));
}

void TestRegistryApi::createKeyTellsWhetherItExisted()
{
    const QString deep = Program + QStringLiteral("\\A\\B\\C");
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, deep), false);
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, deep), true);
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, Program + QStringLiteral("\\A\\B")));
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, QString()));
}

void TestRegistryApi::createKeyFailureRaises()
{
    // The registry allows 255 characters for a key name.
    const QString tooLong = Program + QLatin1Char('\\') + QString(256, QLatin1Char('n'));
    try {
        RegistryAPI::CreateKey(Root::CurrentUser, tooLong);
        QFAIL("an impossible key was created");
    } catch (const RegistryAPI::Error& error) {
        QCOMPARE(error.Number(), 1001);
        QCOMPARE(error.Description(), QStringLiteral("Unable to create the registry key"));
    }
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser,
                                    Program + QLatin1Char('\\') + QString(255, QLatin1Char('n'))),
             false);
}

void TestRegistryApi::numbersConvertOrStoreNothing_data()
{
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("stored");
    const QVariant untouched(12345);
    QTest::newRow("true is all bits set") << QVariant(true) << QVariant(-1);
    QTest::newRow("false") << QVariant(false) << QVariant(0);
    QTest::newRow("negative") << QVariant(-42) << QVariant(-42);
    QTest::newRow("largest") << QVariant(2147483647) << QVariant(2147483647);
    QTest::newRow("half rounds to even") << QVariant(2.5) << QVariant(2);
    QTest::newRow("text of a number") << QVariant(QStringLiteral("15")) << QVariant(15);
    QTest::newRow("too large") << QVariant(qint64(1) << 32) << untouched;
    QTest::newRow("not a number") << QVariant(QStringLiteral("six")) << untouched;
}

void TestRegistryApi::numbersConvertOrStoreNothing()
{
    QFETCH(QVariant, written);
    QFETCH(QVariant, stored);
    const QString name = QStringLiteral("LoansDisplayed");
    write(Scenario, name, REG_DWORD, 12345);
    write(Scenario, name, REG_DWORD, written);
    const QVariant back = read(Scenario, name, REG_DWORD, QVariant());
    QCOMPARE(back.toInt(), stored.toInt());
    QCOMPARE(back.toBool(), stored.toInt() != 0);
}

void TestRegistryApi::writeToMissingKeyStoresNothing()
{
    write(Missing, QStringLiteral("LoanName"), REG_SZ, QStringLiteral("lost"));
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, Missing));
    QCOMPARE(read(Missing, QStringLiteral("LoanName"), REG_SZ, QStringLiteral("none")),
             QVariant(QStringLiteral("none")));
}

void TestRegistryApi::textRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("accents and symbols")
        << QStringLiteral("Préstamo Ñandú — 5 % · ¿Sí? € ¥ 日本 😀");
    QTest::newRow("line breaks") << QStringLiteral("First Bank\r\nAnn Lee\n555-0100\r\n");
    QTest::newRow("blanks kept") << QStringLiteral("  padded  ");
    QTest::newRow("5000 characters") << QStringLiteral("lender ñ ").repeated(556).left(5000);
    QTest::newRow("exactly the old buffer") << QString(1024, QLatin1Char('x'));
}

void TestRegistryApi::textRoundTrips()
{
    QFETCH(QString, text);
    write(Scenario, QStringLiteral("Loan1 Who"), REG_SZ, text);
    const QVariant back
        = read(Scenario, QStringLiteral("Loan1 Who"), REG_SZ, QStringLiteral("default"));
    QCOMPARE(back.toString(), text);
}

void TestRegistryApi::binaryRoundTripsWithinItsBuffer()
{
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    write(Scenario, QStringLiteral("Blob"), REG_BINARY, bytes);
    QCOMPARE(read(Scenario, QStringLiteral("Blob"), REG_BINARY, QVariant()).toByteArray(), bytes);
    write(Scenario, QStringLiteral("Blob"), REG_BINARY, bytes + "!");
    QCOMPARE(read(Scenario, QStringLiteral("Blob"), REG_BINARY, QByteArray("default")),
             QVariant(QByteArray("default")));
    write(Scenario, QStringLiteral("Empty"), REG_BINARY, QByteArray());
    QCOMPARE(read(Scenario, QStringLiteral("Empty"), REG_BINARY, QByteArray("default")),
             QVariant(QByteArray()));
}

void TestRegistryApi::storedTypeMustMatchRequest()
{
    write(Scenario, QStringLiteral("LoanCount"), REG_DWORD, 3);
    QCOMPARE(read(Scenario, QStringLiteral("LoanCount"), REG_SZ, QStringLiteral("none")),
             QVariant(QStringLiteral("none")));
    write(Scenario, QStringLiteral("LoanCount"), REG_SZ, QStringLiteral("3"));
    QCOMPARE(read(Scenario, QStringLiteral("LoanCount"), REG_DWORD, 0), QVariant(0));
}

void TestRegistryApi::deleteKeyTakesItsSubtree()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Scenario + QStringLiteral("\\Inner\\Deepest"));
    write(Scenario + QStringLiteral("\\Inner"), QStringLiteral("V"), REG_DWORD, 1);
    RegistryAPI::DeleteKey(Root::CurrentUser, Scenario);
    RegistryAPI::DeleteKey(Root::CurrentUser, Missing);
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, Scenario));
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, Program));

    // Made again, the key starts empty: nothing of the old one comes back.
    RegistryAPI::CreateKey(Root::CurrentUser, Scenario + QStringLiteral("\\Inner"));
    QCOMPARE(read(Scenario + QStringLiteral("\\Inner"), QStringLiteral("V"), REG_DWORD, 0),
             QVariant(0));
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Scenario + QStringLiteral("\\Inner")),
             QStringList {QString(260, QLatin1Char(' '))});
}

void TestRegistryApi::listingShapes()
{
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Missing), QStringList());
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Scenario),
             QStringList {QString(260, QLatin1Char(' '))});
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Program),
             QStringList {QStringLiteral("House")});
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, QString()),
             QStringList {QStringLiteral("Software")});
}

void TestRegistryApi::listingAllOf250()
{
    QStringList expected;
    {
        const RegistryAPI::Transaction transaction;
        for (int i = 0; i < 250; ++i) {
            expected << QStringLiteral("Scenario %1").arg(i, 3, 10, QLatin1Char('0'));
            RegistryAPI::CreateKey(Root::CurrentUser,
                                   Scenario + QLatin1Char('\\') + expected.last());
        }
    }
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Scenario), expected);
}

void TestRegistryApi::namesIgnoreCase_data()
{
    QTest::addColumn<QString>("created");
    QTest::addColumn<QString>("asked");
    QTest::newRow("ASCII") << "Beach House"
                           << "bEACH hOUSE";
    QTest::newRow("Latin accents") << "Préstamo Ñandú"
                                   << "PRÉSTAMO ñANDÚ";
    QTest::newRow("Greek") << "Σπίτι"
                           << "σΠΊΤΙ";
    QTest::newRow("Cyrillic") << "Кредит"
                              << "кРЕДИТ";
}

void TestRegistryApi::namesIgnoreCase()
{
    QFETCH(QString, created);
    QFETCH(QString, asked);
    const QString key = Program + QLatin1Char('\\') + created;
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, key), false);
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, Program + QLatin1Char('\\') + asked));
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, Program + QLatin1Char('\\') + asked), true);
    QVERIFY(RegistryAPI::ListSubKeys(Root::CurrentUser, Program).contains(created));
    QVERIFY(!RegistryAPI::ListSubKeys(Root::CurrentUser, Program).contains(asked));

    write(key, created, REG_SZ, QStringLiteral("first"));
    write(key, asked, REG_SZ, QStringLiteral("second"));
    QCOMPARE(read(key, created, REG_SZ, QVariant()), QVariant(QStringLiteral("second")));
    RegistryAPI::DeleteValue(Root::CurrentUser, key, asked);
    QCOMPARE(read(key, created, REG_SZ, QVariant()), QVariant());
}

void TestRegistryApi::subKeysInCaseInsensitiveOrder()
{
    // Upper-case order, as the registry compares: "_" comes after the letters
    // and "Ärger" after the plain Latin letters.
    for (const QString& name :
         {QStringLiteral("_draft"), QStringLiteral("beta"), QStringLiteral("Ärger"),
          QStringLiteral("alpha"), QStringLiteral("Alpha2"), QStringLiteral("BETA 2")})
        RegistryAPI::CreateKey(Root::CurrentUser, Scenario + QLatin1Char('\\') + name);
    QCOMPARE(RegistryAPI::ListSubKeys(Root::CurrentUser, Scenario),
             (QStringList {QStringLiteral("alpha"), QStringLiteral("Alpha2"),
                           QStringLiteral("beta"), QStringLiteral("BETA 2"),
                           QStringLiteral("_draft"), QStringLiteral("Ärger")}));
}

void TestRegistryApi::localMachineHoldsNothing()
{
    QVERIFY(!RegistryAPI::KeyExists(Root::LocalMachine, Program));
    QVERIFY(!RegistryAPI::KeyExists(Root::LocalMachine, QString()));
    QCOMPARE(RegistryAPI::ReadValue(Root::LocalMachine, Program, QStringLiteral("Path"), REG_SZ,
                                    QStringLiteral("none")),
             QVariant(QStringLiteral("none")));
    QCOMPARE(RegistryAPI::ListSubKeys(Root::LocalMachine, QString()), QStringList());
    QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error,
                             RegistryAPI::CreateKey(Root::LocalMachine, Program));
}

QTEST_GUILESS_MAIN(TestRegistryApi)
#include "tst_registryapi.moc"
