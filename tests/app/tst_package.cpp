// The Debian package that `make package` builds: unpacked into a folder, it
// holds the program, its language plugins and help, the menu entry naming
// /usr/bin/Loan, the software-centre entry and the papers Debian asks for;
// its control fields name the Qt pieces the program loads without linking;
// and the unpacked program starts with both languages and their help.
//
// Skipped where dpkg-deb is missing or the package for this build has not
// been made (`make package`).

#include "InstalledProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int ToolTimeout = 120000;

struct Output
{
    bool ok = false;
    QString text;
};

Output Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Output output;
    output.ok = process.waitForFinished(ToolTimeout) && process.exitStatus() == QProcess::NormalExit
                && process.exitCode() == 0;
    output.text = QString::fromUtf8(process.readAll());
    return output;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void controlNamesThePackageAndWhatTheProgramLoads();
    void everyFileInstallsUnderUsr();
    void programPluginsAndHelpAreInPlaceAndStripped();
    void desktopEntryStartsTheInstalledProgram();
    void desktopEntryPassesTheValidator();
    void metainfoDescribesThisVersion();
    void metainfoPassesTheValidator();
    void copyrightAndChangelogAreWhereDebianLooks();
    void unpackedProgramStartsWithItsLanguageAndHelp_data();
    void unpackedProgramStartsWithItsLanguageAndHelp();

private:
    QString field(const QString& name) const;

    QString dpkgDeb;
    QString package;
    QTemporaryDir root;
    QString usr;
};

void TestPackage::initTestCase()
{
    dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (dpkgDeb.isEmpty())
        QSKIP("dpkg-deb is not installed: the package cannot be unpacked here");

    const QDir build(QStringLiteral(LOAN_BUILD_DIR));
    const QStringList built = build.entryList({QStringLiteral("loan_" LOAN_VERSION "_*.deb")}, QDir::Files);
    if (built.isEmpty())
        QSKIP("The package loan_" LOAN_VERSION "_<arch>.deb has not been built: `make package` builds it");
    QCOMPARE(built.size(), 1);
    package = build.filePath(built.first());
    if (QFileInfo(package).lastModified() < QFileInfo(build.filePath(QStringLiteral("bin/Loan"))).lastModified())
        QSKIP("The package is older than the program built since: `make package` builds it again");

    QVERIFY(root.isValid());
    const Output extract = Run(dpkgDeb, {QStringLiteral("-x"), package, root.path()});
    QVERIFY2(extract.ok, qPrintable(extract.text));
    usr = root.filePath(QStringLiteral("usr"));
}

QString TestPackage::field(const QString& name) const
{
    const Output output = Run(dpkgDeb, {QStringLiteral("-f"), package, name});
    return output.ok ? output.text.trimmed() : QString();
}

void TestPackage::controlNamesThePackageAndWhatTheProgramLoads()
{
    QCOMPARE(field(QStringLiteral("Package")), QStringLiteral("loan"));
    QCOMPARE(field(QStringLiteral("Version")), QStringLiteral(LOAN_VERSION));
    QVERIFY(QFileInfo(package).fileName().endsWith(QStringLiteral("_%1.deb").arg(field(QStringLiteral("Architecture")))));
    QVERIFY(!field(QStringLiteral("Maintainer")).isEmpty());
    // A one-line summary, then a paragraph that does not repeat it.
    const QStringList description = field(QStringLiteral("Description")).split(QLatin1Char('\n'));
    QVERIFY2(description.size() > 2, qPrintable(description.join(QLatin1Char('\n'))));
    QVERIFY2(description.at(1).trimmed() != description.at(0).trimmed(), qPrintable(description.join(QLatin1Char('\n'))));

    const QString depends = field(QStringLiteral("Depends"));
    // Worked out from the binaries...
    QVERIFY2(depends.contains(QStringLiteral("libqt6widgets6")), qPrintable(depends));
    QVERIFY2(depends.contains(QStringLiteral("libqt6help6")), qPrintable(depends));
    QVERIFY2(depends.contains(QStringLiteral("libc6")), qPrintable(depends));
    // ...and what the program loads at run time without linking it.
    for (const char* loaded : {"libqt6sql6-sqlite", "libqt6svg6", "qt6-translations-l10n"})
        QVERIFY2(depends.contains(QLatin1String(loaded)), qPrintable(depends));
}

void TestPackage::everyFileInstallsUnderUsr()
{
    const Output listing = Run(dpkgDeb, {QStringLiteral("-c"), package});
    QVERIFY2(listing.ok, qPrintable(listing.text));
    int entries = 0;
    for (const QString& line : listing.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        ++entries;
        QVERIFY2(line.contains(QStringLiteral(" ./usr/")) || line.endsWith(QStringLiteral(" ./")), qPrintable(line));
        QVERIFY2(line.contains(QStringLiteral(" root/root ")), qPrintable(line));
        QVERIFY2(!line.contains(QStringLiteral("/usr/local")), qPrintable(line));
    }
    QVERIFY(entries > 10);
}

void TestPackage::programPluginsAndHelpAreInPlaceAndStripped()
{
    const QStringList binaries = {
        QStringLiteral("bin/Loan"),
        QStringLiteral(LOAN_PLUGIN_INSTALL_SUBDIR "/libTessaly.so"),
        QStringLiteral(LOAN_PLUGIN_INSTALL_SUBDIR "/libMorvane.so"),
        QStringLiteral(LOAN_MODULE_INSTALL_SUBDIR "/libLoanCosts.so"),
        QStringLiteral(LOAN_MODULE_INSTALL_SUBDIR "/libLoanHelp.so"),
    };
    for (const QString& binary : binaries) {
        const QByteArray elf = Contents(usr + QLatin1Char('/') + binary);
        QVERIFY2(elf.startsWith("\x7f" "ELF"), qPrintable(binary));
        QVERIFY2(!elf.contains(".debug_info"), qPrintable(binary + QStringLiteral(" keeps its debugging information")));
    }
    QVERIFY(QFileInfo(usr + QStringLiteral("/bin/Loan")).isExecutable());

    for (const char* help : {"tessaly.qch", "tessaly.qhc", "morvane.qch", "morvane.qhc"}) {
        const QFileInfo file(usr + QStringLiteral("/" LOAN_HELP_INSTALL_SUBDIR "/") + QLatin1String(help));
        QVERIFY2(file.size() > 0, qPrintable(file.filePath()));
        QCOMPARE(file.size(), QFileInfo(QStringLiteral(LOAN_BUILD_DIR "/bin/") + QLatin1String(help)).size());
    }
}

void TestPackage::desktopEntryStartsTheInstalledProgram()
{
    InstalledProgram::VerifyDesktopEntryAndIcon(usr);
    if (QTest::currentTestFailed())
        return;

    // The entry names the program where the package puts it, not where it was
    // staged for packing.
    const auto entry = InstalledProgram::DesktopEntry(usr + QStringLiteral("/share/applications/com.zanticbrindlecoft.Loan.desktop"));
    QCOMPARE(entry.at(QStringLiteral("Exec")), QStringLiteral("/usr/bin/Loan"));
    QVERIFY(QFileInfo(root.path() + entry.at(QStringLiteral("Exec"))).isExecutable());
}

void TestPackage::desktopEntryPassesTheValidator()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate (desktop-file-utils) is not installed");
    const Output check = Run(validator, {usr + QStringLiteral("/share/applications/com.zanticbrindlecoft.Loan.desktop")});
    QVERIFY2(check.ok, qPrintable(check.text));
    QVERIFY2(check.text.trimmed().isEmpty(), qPrintable(check.text));
}

void TestPackage::metainfoDescribesThisVersion()
{
    const QString metainfo = QString::fromUtf8(Contents(usr + QStringLiteral("/share/metainfo/com.zanticbrindlecoft.Loan.metainfo.xml")));
    QVERIFY(metainfo.contains(QStringLiteral("<id>com.zanticbrindlecoft.Loan</id>")));
    QVERIFY(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">com.zanticbrindlecoft.Loan.desktop</launchable>")));
    QVERIFY(metainfo.contains(QStringLiteral("<release version=\"" LOAN_VERSION "\"")));
    QVERIFY(metainfo.contains(QStringLiteral("<summary xml:lang=\"es\">")));
    QVERIFY(!metainfo.contains(QLatin1Char('@')));
}

void TestPackage::metainfoPassesTheValidator()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli (appstream) is not installed");
    const Output check = Run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                         usr + QStringLiteral("/share/metainfo/com.zanticbrindlecoft.Loan.metainfo.xml")});
    QVERIFY2(check.ok, qPrintable(check.text));
}

void TestPackage::copyrightAndChangelogAreWhereDebianLooks()
{
    QVERIFY(Contents(usr + QStringLiteral("/share/doc/loan/copyright")).contains("Zantic Brindlecoft"));

    // The change log is compressed, and its latest entry is this version.
    const QString changelog = usr + QStringLiteral("/share/doc/loan/changelog.gz");
    QVERIFY(Contents(changelog).startsWith("\x1f\x8b"));
    const QString gzip = QStandardPaths::findExecutable(QStringLiteral("gzip"));
    if (gzip.isEmpty())
        return;
    const Output text = Run(gzip, {QStringLiteral("-dc"), changelog});
    QVERIFY2(text.ok, qPrintable(text.text));
    QVERIFY2(text.text.startsWith(QStringLiteral("loan (" LOAN_VERSION ") ")), qPrintable(text.text));
}

void TestPackage::unpackedProgramStartsWithItsLanguageAndHelp_data()
{
    InstalledProgram::AddLanguageRows();
}

void TestPackage::unpackedProgramStartsWithItsLanguageAndHelp()
{
    InstalledProgram::VerifyStartsWithLanguageAndHelp(usr);
}

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
