// The hive's promises to the user's work: a killed writer, two writers at
// once, a damaged file and the transaction scope, which reports a unit that
// cannot start or is not stored.

#include "store/HiveStore.h"
#include "store/RegistryAPI.h"
#include "tests/store/BurstText.h"
#include "tests/store/FullDisk.h"
#include "tests/store/HiveLock.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

using RegistryAPI::Root;

namespace {

const QString TestKey = QStringLiteral("Software\\Zantic Brindlecoft\\Loan\\Burst");
constexpr int BurstCount = 60;

QVariant readText(const QString& key, const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, key, name, RegistryAPI::REG_SZ, QVariant());
}

void writeText(const QString& key, const QString& name, const QString& text)
{
    RegistryAPI::WriteValue(Root::CurrentUser, key, name, RegistryAPI::REG_SZ, text);
}

QString integrityOf(const QString& file)
{
    sqlite3* db = nullptr;
    QString verdict = QStringLiteral("cannot open");
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        if (sqlite3_step(check) == SQLITE_ROW)
            verdict = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
        sqlite3_finalize(check);
    }
    sqlite3_close_v2(db);
    return verdict;
}

QByteArray foreignDatabase(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_exec(db, "CREATE TABLE photos(id INTEGER PRIMARY KEY, caption TEXT);"
                     "INSERT INTO photos(caption) VALUES('holiday');",
                 nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    QFile read(file);
    read.open(QIODevice::ReadOnly);
    return read.readAll();
}

// Pages 2 and 3 of the hive hold the key tree and its index, which every
// operation walks.
void garbleKeyPages(QByteArray& bytes)
{
    bytes.replace(4096, 8192, QByteArray(8192, '\xA5'));
}

void fillTestKey()
{
    const RegistryAPI::Transaction transaction;
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    for (int i = 0; i < 40; ++i)
        writeText(TestKey, QStringLiteral("Value%1").arg(i), burstText(0, i));
}

struct WriterOnUnwind
{
    ~WriterOnUnwind()
    {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Unwound"), QStringLiteral("kept"));
    }
};

} // namespace

class TestHiveStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedWriterLeavesOldOrNew_data();
    void killedWriterLeavesOldOrNew();
    void twoWritersLoseNothing();
    void damagedHiveIsKeptAside_data();
    void damagedHiveIsKeptAside();
    void damageFoundInsideScopeEndsTheUnit();
    void transactionCommitsAtScopeEnd();
    void transactionRollsBackOnException();
    void nestedScopeFailureRollsBackTheUnit_data();
    void nestedScopeFailureRollsBackTheUnit();
    void transactionDuringUnwindingCommits();
    void transactionHidesWorkFromOtherProcess();
    void lockedHiveRefusesTheScope();
    void failedCommitRaisesAndKeepsOldValues();
    void commitEndsTheScopeOnce();
    void eachOperationSeesTheOtherProcesssWork();
    void damageBetweenTwoReadsIsFound();
    void hiveMovedAwayBetweenOperationsIsLetGo();

private:
    QString runReader(const QString& name);

    std::unique_ptr<QTemporaryDir> config;
};

void TestHiveStore::init()
{
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    RegistryAPI::TakeMovedAsideHive();
}

void TestHiveStore::killedWriterLeavesOldOrNew_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("delayMs");
    for (const char* mode : {"burst", "groups"}) {
        for (int delay : {0, 7, 30, 90}) {
            QTest::addRow("%s after %d ms", mode, delay) << QString::fromLatin1(mode) << delay;
        }
    }
}

void TestHiveStore::killedWriterLeavesOldOrNew()
{
    QFETCH(QString, mode);
    QFETCH(int, delayMs);
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    {
        const RegistryAPI::Transaction transaction;
        for (int i = 0; i < BurstCount; ++i)
            writeText(TestKey, QStringLiteral("Value%1").arg(i), burstText(0, i));
    }

    QProcess writer;
    writer.start(QStringLiteral(HIVE_WRITER), {mode, TestKey, QString::number(BurstCount)});
    QVERIFY(writer.waitForReadyRead(20000));
    QThread::msleep(delayMs);
    writer.kill();
    QVERIFY(writer.waitForFinished(10000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    QCOMPARE(integrityOf(HiveStore::FilePath()), QStringLiteral("ok"));
    QSet<int> rounds;
    for (int i = 0; i < BurstCount; ++i) {
        const QString stored = readText(TestKey, QStringLiteral("Value%1").arg(i)).toString();
        const int round = burstRound(stored);
        QVERIFY2(round >= 0, qPrintable(QStringLiteral("value %1 is torn").arg(i)));
        QCOMPARE(stored, burstText(round, i));
        rounds.insert(round);
    }
    if (mode == QLatin1String("groups")) {
        QCOMPARE(rounds.size(), 1);
        QVERIFY(!rounds.contains(0));
    }
    QVERIFY(RegistryAPI::TakeMovedAsideHive().isEmpty());
}

void TestHiveStore::twoWritersLoseNothing()
{
    // Both start on a hive that does not exist yet, so they also race to
    // create it.
    constexpr int Increments = 40;
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(HIVE_WRITER),
                {QStringLiteral("counter"), TestKey, QString::number(Increments), QStringLiteral("A")});
    second.start(QStringLiteral(HIVE_WRITER),
                 {QStringLiteral("counter"), TestKey, QString::number(Increments), QStringLiteral("B")});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    const QVariant count = RegistryAPI::ReadValue(Root::CurrentUser, TestKey, QStringLiteral("Count"),
                                                  RegistryAPI::REG_DWORD, 0);
    QCOMPARE(count.toInt(), 2 * Increments);
    for (const QString& tag : {QStringLiteral("A"), QStringLiteral("B")}) {
        for (int i = 0; i < Increments; ++i)
            QCOMPARE(readText(TestKey, tag + QString::number(i)).toString(), burstText(i, i));
    }
}

void TestHiveStore::damagedHiveIsKeptAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("text file") << "text";
    QTest::newRow("header wiped") << "header";
    QTest::newRow("page garbled") << "page";
    QTest::newRow("another program's database") << "foreign";
}

void TestHiveStore::damagedHiveIsKeptAside()
{
    QFETCH(QString, damage);
    const QString file = HiveStore::FilePath();
    // A hive with content that the damage then hits.
    fillTestKey();
    QByteArray bytes;
    {
        QFile hive(file);
        QVERIFY(hive.open(QIODevice::ReadWrite));
        bytes = hive.readAll();
    }
    if (damage == QLatin1String("text")) {
        bytes = QByteArray("Loan settings\nRows=6\n").repeated(200);
    } else if (damage == QLatin1String("header")) {
        bytes.replace(0, 100, QByteArray(100, '\0'));
    } else if (damage == QLatin1String("page")) {
        garbleKeyPages(bytes);
    }
    QFile::remove(file);
    if (damage == QLatin1String("foreign")) {
        bytes = foreignDatabase(file);
    } else {
        QFile hive(file);
        QVERIFY(hive.open(QIODevice::WriteOnly));
        hive.write(bytes);
    }

    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, TestKey));
    const QString movedTo = RegistryAPI::TakeMovedAsideHive();
    QVERIFY(movedTo.contains(QLatin1String("damaged")));
    QFile kept(movedTo);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QVERIFY(RegistryAPI::TakeMovedAsideHive().isEmpty());

    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, TestKey), false);
    writeText(TestKey, QStringLiteral("Fresh"), QStringLiteral("works"));
    QCOMPARE(readText(TestKey, QStringLiteral("Fresh")).toString(), QStringLiteral("works"));
    QCOMPARE(integrityOf(file), QStringLiteral("ok"));
}

void TestHiveStore::damageFoundInsideScopeEndsTheUnit()
{
    fillTestKey();
    const QString file = HiveStore::FilePath();
    QFile hive(file);
    QVERIFY(hive.open(QIODevice::ReadWrite));
    QByteArray bytes = hive.readAll();
    garbleKeyPages(bytes);
    QVERIFY(hive.seek(0));
    hive.write(bytes);
    hive.close();

    bool raised = false;
    {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Value1"), QStringLiteral("meets the damage"));
        try {
            RegistryAPI::CreateKey(Root::CurrentUser, TestKey + QStringLiteral("\\Later"));
        } catch (const RegistryAPI::Error&) {
            raised = true;
        }
    }
    QVERIFY(raised);
    QVERIFY(!RegistryAPI::TakeMovedAsideHive().isEmpty());
    // Nothing of the unit reached the new hive, which works.
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, TestKey));
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, TestKey), false);
    QCOMPARE(integrityOf(file), QStringLiteral("ok"));
}

void TestHiveStore::transactionCommitsAtScopeEnd()
{
    {
        const RegistryAPI::Transaction transaction;
        RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
        writeText(TestKey, QStringLiteral("One"), QStringLiteral("1"));
        writeText(TestKey, QStringLiteral("Two"), QStringLiteral("2"));
        // Work of the scope is visible inside it.
        QCOMPARE(readText(TestKey, QStringLiteral("One")).toString(), QStringLiteral("1"));
    }
    QCOMPARE(runReader(QStringLiteral("Two")), QStringLiteral("2"));
}

void TestHiveStore::transactionRollsBackOnException()
{
    const QString sibling = TestKey + QStringLiteral("\\Sibling");
    RegistryAPI::CreateKey(Root::CurrentUser, sibling);
    writeText(TestKey, QStringLiteral("Kept"), QStringLiteral("old"));
    try {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Kept"), QStringLiteral("new"));
        RegistryAPI::DeleteKey(Root::CurrentUser, sibling);
        RegistryAPI::CreateKey(Root::CurrentUser, TestKey + QStringLiteral("\\Added"));
        throw std::runtime_error("save interrupted");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(readText(TestKey, QStringLiteral("Kept")).toString(), QStringLiteral("old"));
    QVERIFY(RegistryAPI::KeyExists(Root::CurrentUser, sibling));
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, TestKey + QStringLiteral("\\Added")));

    // The hive is free again for the next unit.
    {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Kept"), QStringLiteral("newer"));
    }
    QCOMPARE(runReader(QStringLiteral("Kept")), QStringLiteral("newer"));
}

void TestHiveStore::nestedScopeFailureRollsBackTheUnit_data()
{
    QTest::addColumn<bool>("committed");
    QTest::newRow("scope ends") << false;
    QTest::newRow("Commit") << true;
}

void TestHiveStore::nestedScopeFailureRollsBackTheUnit()
{
    QFETCH(bool, committed);
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    {
        RegistryAPI::Transaction outer;
        writeText(TestKey, QStringLiteral("Outer"), QStringLiteral("written"));
        try {
            const RegistryAPI::Transaction inner;
            writeText(TestKey, QStringLiteral("Inner"), QStringLiteral("written"));
            throw std::runtime_error("inner step failed");
        } catch (const std::runtime_error&) {
        }
        // The caller who asks learns that the unit was lost.
        if (committed)
            QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error, outer.Commit());
    }
    QCOMPARE(readText(TestKey, QStringLiteral("Outer")), QVariant());
    QCOMPARE(readText(TestKey, QStringLiteral("Inner")), QVariant());
}

void TestHiveStore::transactionDuringUnwindingCommits()
{
    // A scope that starts while another exception is already on its way ends
    // normally and must commit.
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    try {
        WriterOnUnwind writer;
        throw std::runtime_error("leaving");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(readText(TestKey, QStringLiteral("Unwound")).toString(), QStringLiteral("kept"));
}

void TestHiveStore::transactionHidesWorkFromOtherProcess()
{
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("before"));
    {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("during"));
        QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("before"));
    }
    QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("during"));
}

void TestHiveStore::lockedHiveRefusesTheScope()
{
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("before"));
    {
        const HiveLock otherCopy;
        QVERIFY(otherCopy.isHeld());
        try {
            const RegistryAPI::Transaction transaction;
            QFAIL("a scope began on a hive that another copy holds");
        } catch (const RegistryAPI::Error& error) {
            QCOMPARE(error.Number(), RegistryAPI::Error::ErrorNumber);
        }
        // Outside a scope a write still fails in silence, as it always did.
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("lost"));
        QCOMPARE(readText(TestKey, QStringLiteral("Shared")).toString(), QStringLiteral("before"));
    }
    // The refused scope left no unit open: the next write is stored at once.
    writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("after"));
    QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("after"));
}

void TestHiveStore::failedCommitRaisesAndKeepsOldValues()
{
    const QString added = TestKey + QStringLiteral("\\Added");
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("before"));
    {
        RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("during"));
        RegistryAPI::CreateKey(Root::CurrentUser, added);
        const FullDisk full;
        QVERIFY_THROWS_EXCEPTION(RegistryAPI::Error, transaction.Commit());
    }
    QCOMPARE(readText(TestKey, QStringLiteral("Shared")).toString(), QStringLiteral("before"));
    QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, added));
    QCOMPARE(integrityOf(HiveStore::FilePath()), QStringLiteral("ok"));

    // The failed unit let go of the hive.
    {
        RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("after"));
        transaction.Commit();
    }
    QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("after"));
}

void TestHiveStore::commitEndsTheScopeOnce()
{
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("before"));
    {
        RegistryAPI::Transaction outer;
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("outer"));
        {
            RegistryAPI::Transaction inner;
            writeText(TestKey, QStringLiteral("Inner"), QStringLiteral("inner"));
            inner.Commit();
        }
        // Neither the nested Commit nor the end of its scope stored the unit.
        QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("before"));
        QCOMPARE(runReader(QStringLiteral("Inner")), QStringLiteral("<none>"));
        outer.Commit();
        QCOMPARE(runReader(QStringLiteral("Inner")), QStringLiteral("inner"));
        outer.Commit();
    }
    QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("outer"));

    // The next unit is a unit of its own again.
    try {
        const RegistryAPI::Transaction transaction;
        writeText(TestKey, QStringLiteral("Shared"), QStringLiteral("dropped"));
        throw std::runtime_error("save interrupted");
    } catch (const std::runtime_error&) {
    }
    QCOMPARE(runReader(QStringLiteral("Shared")), QStringLiteral("outer"));
}

// The hive stays open between operations; each one still reads what another
// copy of the program stored since, and that copy reads what this one wrote.
void TestHiveStore::eachOperationSeesTheOtherProcesssWork()
{
    RegistryAPI::CreateKey(Root::CurrentUser, TestKey);
    RegistryAPI::WriteValue(Root::CurrentUser, TestKey, QStringLiteral("Count"), RegistryAPI::REG_DWORD, 10);
    QCOMPARE(runReader(QStringLiteral("Missing")), QStringLiteral("<none>"));
    for (int round = 1; round <= 2; ++round) {
        QProcess other;
        other.start(QStringLiteral(HIVE_WRITER), {QStringLiteral("counter"), TestKey, QStringLiteral("3"),
                                                  QStringLiteral("R%1-").arg(round)});
        QVERIFY(other.waitForFinished(20000));
        QCOMPARE(other.exitCode(), 0);
        const QVariant count = RegistryAPI::ReadValue(Root::CurrentUser, TestKey, QStringLiteral("Count"),
                                                      RegistryAPI::REG_DWORD, 0);
        QCOMPARE(count.toInt(), 10 + 3 * round);
        QCOMPARE(readText(TestKey, QStringLiteral("R%1-2").arg(round)).toString(), burstText(2, 2));
        writeText(TestKey, QStringLiteral("Mine"), QStringLiteral("round %1").arg(round));
        QCOMPARE(runReader(QStringLiteral("Mine")), QStringLiteral("round %1").arg(round));
    }
    QVERIFY(RegistryAPI::TakeMovedAsideHive().isEmpty());
}

// Damage done to the file in place after a read, by no copy of the program,
// is found by the next operation as it would be by a fresh start.
void TestHiveStore::damageBetweenTwoReadsIsFound()
{
    fillTestKey();
    QCOMPARE(readText(TestKey, QStringLiteral("Value3")).toString(), burstText(0, 3));
    const QString file = HiveStore::FilePath();
    QFile hive(file);
    QVERIFY(hive.open(QIODevice::ReadWrite));
    QByteArray bytes = hive.readAll();
    garbleKeyPages(bytes);
    QVERIFY(hive.seek(0));
    hive.write(bytes);
    hive.close();

    QCOMPARE(readText(TestKey, QStringLiteral("Value3")), QVariant());
    QVERIFY(!RegistryAPI::TakeMovedAsideHive().isEmpty());
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, TestKey), false);
    QCOMPARE(integrityOf(file), QStringLiteral("ok"));
}

// Another copy moved the hive away (as it does with a damaged one) and
// started a new one: this copy works on the new file, and neither its
// leaving the old file nor its later end touches the moved file or the log
// of the new one.
void TestHiveStore::hiveMovedAwayBetweenOperationsIsLetGo()
{
    fillTestKey();
    const QString file = HiveStore::FilePath();
    const QString moved = file + QStringLiteral(".moved");
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::rename(file + suffix, moved + suffix);
    QByteArray movedBytes;
    {
        QFile kept(moved);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        movedBytes = kept.readAll();
    }
    // The other copy's new hive, with a unit it is still writing.
    QCOMPARE(runReader(QStringLiteral("Value3")), QStringLiteral("<none>"));
    {
        const HiveLock otherCopy;
        QVERIFY(otherCopy.isHeld());
        QVERIFY(!RegistryAPI::KeyExists(Root::CurrentUser, TestKey));
    }
    QCOMPARE(RegistryAPI::CreateKey(Root::CurrentUser, TestKey), false);
    writeText(TestKey, QStringLiteral("Fresh"), QStringLiteral("works"));
    QCOMPARE(runReader(QStringLiteral("Fresh")), QStringLiteral("works"));
    QCOMPARE(readText(TestKey, QStringLiteral("Value3")), QVariant());

    QFile kept(moved);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), movedBytes);
    QCOMPARE(integrityOf(moved), QStringLiteral("ok"));
    QCOMPARE(integrityOf(file), QStringLiteral("ok"));
    QVERIFY(RegistryAPI::TakeMovedAsideHive().isEmpty());
}

QString TestHiveStore::runReader(const QString& name)
{
    QProcess reader;
    reader.start(QStringLiteral(HIVE_WRITER), {QStringLiteral("read"), TestKey, name});
    if (!reader.waitForFinished(20000))
        return QStringLiteral("<reader hung>");
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

QTEST_GUILESS_MAIN(TestHiveStore)
#include "tst_hivestore.moc"
