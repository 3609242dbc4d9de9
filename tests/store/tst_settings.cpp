// The five stored settings: first start, reading at window load, and the one
// writer, which reports settings it could not store.

#include "store/RegistryAPI.h"
#include "store/Settings.h"
#include "tests/store/FullDisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using RegistryAPI::Root;

namespace {

QVariant stored(const QString& name, int type)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, name, type,
                                  QStringLiteral("absent"));
}

void store(const QString& name, int type, const QVariant& value)
{
    RegistryAPI::WriteValue(Root::CurrentUser, Settings::ProgramKey, name, type, value);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartCreatesKeyAndUsesDefaults();
    void storedLanguageIsReadAtStart();
    void rowsAtLoad_data();
    void rowsAtLoad();
    void monthsFlagAtLoad_data();
    void monthsFlagAtLoad();
    void saveWritesEverySetting();
    void emptyWallpaperTextsAreDeleted();
    void unstoredSaveRaisesAndKeepsOldSettings();

private:
    std::unique_ptr<QTemporaryDir> config;
};

void TestSettings::init()
{
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
}

void TestSettings::firstStartCreatesKeyAndUsesDefaults()
{
    QCOMPARE(Settings::ProgramKey, QStringLiteral("Software\\Zantic Brindlecoft\\Loan"));
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, Settings::ProgramKey));
    QCOMPARE(Settings::ReadStartLanguage(), 0);
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, Settings::ProgramKey));

    Settings settings;
    settings.LoadWindowSettings();
    QCOMPARE(settings.DisplayedUpperIndex, 5);
    QCOMPARE(settings.TermInMonths, false);
    QVERIFY(settings.Wallpaper.isEmpty());
    QVERIFY(settings.WallpaperDirectory.isEmpty());
}

void TestSettings::storedLanguageIsReadAtStart()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    QCOMPARE(Settings::ReadStartLanguage(), 0);
    store(QStringLiteral("CurrentLanguage"), RegistryAPI::REG_DWORD, 2);
    QCOMPARE(Settings::ReadStartLanguage(), 2);
}

void TestSettings::rowsAtLoad_data()
{
    QTest::addColumn<QVariant>("storedRows");
    QTest::addColumn<int>("upperIndex");
    QTest::newRow("absent") << QVariant() << 5;
    QTest::newRow("zero") << QVariant(0) << 5;
    QTest::newRow("fewest") << QVariant(2) << 1;
    QTest::newRow("most") << QVariant(15) << 14;
    QTest::newRow("one, raised to two") << QVariant(1) << 1;
    QTest::newRow("negative, raised to two") << QVariant(-3) << 1;
    QTest::newRow("sixteen, lowered to fifteen") << QVariant(16) << 14;
    QTest::newRow("thousands, lowered to fifteen") << QVariant(5000) << 14;
}

void TestSettings::rowsAtLoad()
{
    QFETCH(QVariant, storedRows);
    QFETCH(int, upperIndex);
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    if (storedRows.isValid())
        store(QStringLiteral("LoansDisplayed"), RegistryAPI::REG_DWORD, storedRows);
    Settings settings;
    settings.LoadWindowSettings();
    QCOMPARE(settings.DisplayedUpperIndex, upperIndex);
}

void TestSettings::monthsFlagAtLoad_data()
{
    QTest::addColumn<int>("storedFlag");
    QTest::addColumn<bool>("months");
    QTest::newRow("true as stored by the program") << -1 << true;
    QTest::newRow("any other non-zero") << 1 << true;
    QTest::newRow("zero") << 0 << false;
}

void TestSettings::monthsFlagAtLoad()
{
    QFETCH(int, storedFlag);
    QFETCH(bool, months);
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    store(QStringLiteral("TermInMonths"), RegistryAPI::REG_DWORD, storedFlag);
    Settings settings;
    settings.LoadWindowSettings();
    QCOMPARE(settings.TermInMonths, months);
}

void TestSettings::saveWritesEverySetting()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    Settings settings;
    settings.DisplayedUpperIndex = 14;
    settings.TermInMonths = true;
    settings.Wallpaper = QStringLiteral("/home/ana/Imágenes/playa.jpg");
    settings.WallpaperDirectory = QStringLiteral("/home/ana/Imágenes");
    settings.CurrentLanguage = 2;
    settings.SaveSettings();

    QCOMPARE(stored(QStringLiteral("LoansDisplayed"), RegistryAPI::REG_DWORD), QVariant(15));
    QCOMPARE(stored(QStringLiteral("TermInMonths"), RegistryAPI::REG_DWORD), QVariant(-1));
    QCOMPARE(stored(QStringLiteral("CurrentLanguage"), RegistryAPI::REG_DWORD), QVariant(2));
    QCOMPARE(Settings::ReadStartLanguage(), 2);

    Settings reloaded;
    reloaded.LoadWindowSettings();
    QCOMPARE(reloaded.DisplayedUpperIndex, 14);
    QCOMPARE(reloaded.TermInMonths, true);
    QCOMPARE(reloaded.Wallpaper, settings.Wallpaper);
    QCOMPARE(reloaded.WallpaperDirectory, settings.WallpaperDirectory);

    settings.TermInMonths = false;
    settings.SaveSettings();
    QCOMPARE(stored(QStringLiteral("TermInMonths"), RegistryAPI::REG_DWORD), QVariant(0));
}

void TestSettings::emptyWallpaperTextsAreDeleted()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    Settings settings;
    settings.Wallpaper = QStringLiteral("/pictures/sea.jpg");
    settings.WallpaperDirectory = QStringLiteral("/pictures");
    settings.SaveSettings();

    settings.Wallpaper.clear();
    settings.SaveSettings();
    QCOMPARE(stored(QStringLiteral("Wallpaper"), RegistryAPI::REG_SZ), QVariant(QStringLiteral("absent")));
    QCOMPARE(stored(QStringLiteral("WallpaperDirectory"), RegistryAPI::REG_SZ),
             QVariant(QStringLiteral("/pictures")));

    settings.WallpaperDirectory.clear();
    settings.SaveSettings();
    QCOMPARE(stored(QStringLiteral("WallpaperDirectory"), RegistryAPI::REG_SZ),
             QVariant(QStringLiteral("absent")));
}

void TestSettings::unstoredSaveRaisesAndKeepsOldSettings()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
    Settings settings;
    settings.DisplayedUpperIndex = 9;
    settings.Wallpaper = QStringLiteral("/pictures/sea.jpg");
    settings.SaveSettings();

    settings.DisplayedUpperIndex = 3;
    settings.Wallpaper.clear();
    {
        const FullDisk full;
        QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error, settings.SaveSettings());
    }
    QCOMPARE(stored(QStringLiteral("LoansDisplayed"), RegistryAPI::REG_DWORD), QVariant(10));
    QCOMPARE(stored(QStringLiteral("Wallpaper"), RegistryAPI::REG_SZ),
             QVariant(QStringLiteral("/pictures/sea.jpg")));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
