// Whole print jobs as a user runs them: the progress window over the main
// window, the PDF read back with poppler's tools, Cancel, files that cannot
// be written, and the File menu's print commands with their dialogs
// answered by the test.

#include "../app/FreshStart.h"
#include "PrintSheet.h"

#include "app/VersionInfo.h"
#include "print/PrintDialogs.h"
#include "print/PrintJob.h"
#include "print/frmPrint.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <memory>
#include <tuple>

namespace {

using PrintSheet::PdfInfo;
using PrintSheet::Progress;
using PrintSheet::Run;

constexpr int JobEnds = frmPrint::TimerInterval + 5000;

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void finishedJobWritesEveryRowAndTheFooter();
    void cancelPrintsNothing_data();
    void cancelPrintsNothing();
    void unwritableFileIsReported_data();
    void unwritableFileIsReported();
    void printCommandGoesThroughItsDialog();
    void pageSetupCarriesToTheExport();
    void paperFollowsTheRegion_data();
    void paperFollowsTheRegion();
    void figureBeingTypedPrintsInItsDisplayForm();
    void exportProposesAFileInAFolderThatExists();

private:
    QPrinter& PdfPrinter(const QString& name);
    bool JobEnded() { return QTest::qWaitFor([this] { return !Progress(*m_window); }, JobEnds); }
    QStringList Files() const { return QDir(m_folder->path()).entryList(QDir::Files); }

    std::unique_ptr<FreshStart> m_fresh;
    std::unique_ptr<QTemporaryDir> m_folder;
    // Outlives the window, as the program's printers do.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<Loan> m_window;
};

void TestPrintJob::init()
{
    m_fresh = std::make_unique<FreshStart>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = QuoteSheet::OpenWindow();
    QVERIFY(m_window);
    QVERIFY(PrintSheet::TypeComparison(*m_window, QStringLiteral("Casa Grande")));
}

void TestPrintJob::cleanup()
{
    PrintDialogs::Intercept(nullptr);
    m_window.reset();
    m_printer.reset();
    m_folder.reset();
    m_fresh.reset();
}

QPrinter& TestPrintJob::PdfPrinter(const QString& name)
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(m_folder->filePath(name));
    return *m_printer;
}

void TestPrintJob::finishedJobWritesEveryRowAndTheFooter()
{
    Loan& w = *m_window;
    const QString path = PdfPrinter(QStringLiteral("casa.pdf")).outputFileName();
    RunPrintJob(w, *m_printer);
    frmPrint* progress = Progress(w);
    QVERIFY(progress);
    QTRY_VERIFY(progress->PrintFinished() && progress->isVisible() && !progress->isModal());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Printing..."));
    QCOMPARE(progress->lblPrintingText->text(), QStringLiteral("Printing loan Casa Grande..."));
    QCOMPARE(progress->cmdCancel->text(), QStringLiteral("Cancel"));
    QVERIFY((progress->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 4);
    // Drawn, and up while its timer runs; the file comes when it closes.
    QVERIFY(progress->tmrPrint->isActive() && !QApplication::overrideCursor());
    QVERIFY(!QFile::exists(path));

    QVERIFY(JobEnded());
    QCOMPARE(Files(), QStringList{QStringLiteral("casa.pdf")});
    QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
    const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (std::size_t d = 0; d < 3; ++d) {
        QVERIFY(!w.txtInterestRate[d]->text().isEmpty() && text.contains(w.txtInterestRate[d]->text()));
        QVERIFY(text.contains(w.txtPayment[d]->text()));
    }
    for (const char* expected : {"Casa Grande", "Harbor Credit Union", "Ann Lee 555-0100"})
        QVERIFY(text.contains(QLatin1String(expected)));
    QCOMPARE(text.count(VersionInfo::LegalCopyright()), 1);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestPrintJob::cancelPrintsNothing_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("whileDrawing");
    QTest::newRow("waiting for the timer") << QByteArray() << false;
    QTest::newRow("while the report is drawn") << QByteArray() << true;
    QTest::newRow("over a file already there") << QByteArray("the comparison of last week") << false;
}

void TestPrintJob::cancelPrintsNothing()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, whileDrawing);
    const QString path = PdfPrinter(QStringLiteral("casa.pdf")).outputFileName();
    QFile old(path);
    if (!before.isEmpty())
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size() && old.flush());
    old.close();
    RunPrintJob(*m_window, *m_printer);
    frmPrint* progress = Progress(*m_window);
    QVERIFY(progress);
    // The click waits in the queue behind the run, until the report lets
    // pending events through.
    if (whileDrawing)
        QMetaObject::invokeMethod(progress->cmdCancel, &QPushButton::click, Qt::QueuedConnection);
    else
        QTRY_VERIFY(progress->PrintFinished());
    if (!whileDrawing)
        QTest::mouseClick(progress->cmdCancel, Qt::LeftButton);
    QVERIFY(JobEnded());

    QCOMPARE(Files(), before.isEmpty() ? QStringList() : QStringList{QStringLiteral("casa.pdf")});
    if (!before.isEmpty())
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == before);
    QCOMPARE(m_printer->outputFileName(), path);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestPrintJob::unwritableFileIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder missing") << QStringLiteral("missing/casa.pdf");
    QTest::newRow("a file where the folder should be") << QStringLiteral("plain/casa.pdf");
    QTest::newRow("no printer and no file") << QString();
}

void TestPrintJob::unwritableFileIsReported()
{
    QFETCH(QString, name);
    QVERIFY(QFile(m_folder->filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
    PdfPrinter(name);
    if (name.isEmpty())
        m_printer->setOutputFileName(QString());
    RunPrintJob(*m_window, *m_printer);

    QVERIFY(!Progress(*m_window));
    const QString said = name.isEmpty()
        ? QStringLiteral("No printer is set up. To print into a PDF file, choose Print to File in the print dialog, "
                         "or use File > Export PDF.")
        : QStringLiteral("The PDF file ") + QDir::toNativeSeparators(m_folder->filePath(name))
              + QStringLiteral(" could not be written. Check that its folder exists and that you may write to it.");
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{said});
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("plain")});
}

// The print dialog keeps printing to a file, the only way to print on a
// machine without a printer; its cancel starts nothing.
void TestPrintJob::printCommandGoesThroughItsDialog()
{
    Loan& w = *m_window;
    const QString path = m_folder->filePath(QStringLiteral("printed.pdf"));
    QList<QPrinter*> chosen;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print || !print->testOption(QAbstractPrintDialog::PrintToFile)
            || print->testOption(QAbstractPrintDialog::PrintSelection)
            || print->testOption(QAbstractPrintDialog::PrintPageRange))
            return int(QDialog::Rejected);
        chosen << print->printer();
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(path);
        return chosen.size() == 1 ? int(QDialog::Rejected) : int(QDialog::Accepted);
    });
    w.mnuFilePrint->trigger();
    QVERIFY(!Progress(w) && MessageBox::Recorded().isEmpty());

    w.mnuFilePrint->trigger();
    QVERIFY(chosen.size() == 2 && chosen[0] == chosen[1]);
    // One job at a time.
    QVERIFY(Progress(w) && !w.mnuFilePrint->isEnabled());
    QVERIFY(JobEnded() && w.mnuFilePrint->isEnabled());
    QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
}

void TestPrintJob::pageSetupCarriesToTheExport()
{
    Loan& w = *m_window;
    const QString path = m_folder->filePath(QStringLiteral("exported.pdf"));
    QString caption;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog))
            setup->printer()->setPageOrientation(QPageLayout::Portrait);
        if (auto* file = qobject_cast<QFileDialog*>(&dialog)) {
            caption = file->windowTitle();
            file->selectFile(path);
        }
        return int(QDialog::Accepted);
    });
    w.mnuFilePrintSetup->trigger();
    auto* exportPdf = w.findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    QVERIFY(exportPdf && exportPdf->text() == QStringLiteral("&Export PDF..."));
    QCOMPARE(w.mnuFile->actions().indexOf(exportPdf), w.mnuFile->actions().indexOf(w.mnuFilePrint) + 1);
    exportPdf->trigger();
    QCOMPARE(caption, QStringLiteral("Export PDF"));
    QVERIFY(Progress(w) && JobEnded());
    const QStringList size = PdfInfo(path, QStringLiteral("Page size")).split(QLatin1Char(' '));
    QVERIFY2(size.size() >= 3 && size[0].toDouble() < size[2].toDouble(), qPrintable(size.join(' ')));

    // The menu shows the command in the language of the moment.
    w.mnuToolsLanguageOpt[2]->trigger();
    w.mnuFile->popup(QPoint());
    w.mnuFile->hide();
    QCOMPARE(exportPdf->text(), QStringLiteral("&Exportar a PDF..."));

    // A finished job still goes out when the main window closes first, its
    // last footer in the language the job started in.
    exportPdf->trigger();
    QVERIFY(Progress(w));
    QFile::remove(path);
    QTRY_VERIFY(Progress(w)->PrintFinished());
    m_window.reset();
    QVERIFY(QFile::exists(path));
    const QString text = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Todos los derechos reservados.")), qPrintable(text));
}

void TestPrintJob::paperFollowsTheRegion_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("pdfName");
    QTest::newRow("United States") << QByteArray("en_US") << int(QPageSize::Letter) << QStringLiteral("letter");
    QTest::newRow("Mexico") << QByteArray("es_MX") << int(QPageSize::Letter) << QStringLiteral("letter");
    QTest::newRow("Spain") << QByteArray("es_ES") << int(QPageSize::A4) << QStringLiteral("A4");
    QTest::newRow("Germany") << QByteArray("de_DE") << int(QPageSize::A4) << QStringLiteral("A4");
}

// Letter where the region prints on it, A4 elsewhere, across the page: what
// Print Setup and the print dialog open on, and what Export PDF writes.
void TestPrintJob::paperFollowsTheRegion()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, paper);
    QFETCH(QString, pdfName);
    m_window.reset();
    m_fresh = std::make_unique<FreshStart>(locale.constData());
    m_window = QuoteSheet::OpenWindow();
    QVERIFY(m_window);
    Loan& w = *m_window;
    QuoteSheet::Type(w.cboLoanName, QStringLiteral("Casa Grande"));
    const QString path = m_folder->filePath(QStringLiteral("region.pdf"));
    QList<QPageLayout> opened;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog))
            opened << setup->printer()->pageLayout();
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            opened << print->printer()->pageLayout();
            return int(QDialog::Rejected);
        }
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            file->selectFile(path);
        return int(QDialog::Accepted);
    });
    w.mnuFilePrintSetup->trigger();
    w.mnuFilePrint->trigger();
    w.findChild<QAction*>(QStringLiteral("mnuFileExportPdf"))->trigger();
    QVERIFY(Progress(w) && JobEnded());

    QCOMPARE(opened.size(), 2);
    for (const QPageLayout& layout : opened) {
        QCOMPARE(int(layout.pageSize().id()), paper);
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    }
    const QString size = PdfInfo(path, QStringLiteral("Page size"));
    const QStringList parts = size.split(QLatin1Char(' '));
    QVERIFY2(size.endsWith(QLatin1Char('(') + pdfName + QLatin1Char(')')) && parts.size() >= 3
                 && parts[0].toDouble() > parts[2].toDouble(),
             qPrintable(size));
}

// The rate field still has the focus and shows the plain number typed; the
// export takes it in first and prints it as the field shows it once left. A
// text the field refuses stops both commands before their dialogs.
void TestPrintJob::figureBeingTypedPrintsInItsDisplayForm()
{
    Loan& w = *m_window;
    const QString path = m_folder->filePath(QStringLiteral("typed.pdf"));
    int dialogs = 0;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        ++dialogs;
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            file->selectFile(path);
        return int(QDialog::Accepted);
    });
    auto* exportPdf = w.findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    QVERIFY(exportPdf);

    // Beyond the term's range, and more decimals than the rate's rule takes;
    // then typed over as they were.
    const std::tuple<NumberField*, QString, QString, QString> refused[] = {
        {w.txtTerm[1], QStringLiteral("999999999999"), QStringLiteral("15"),
         QStringLiteral("The number is too large for this field.")},
        {w.txtInterestRate[1], QStringLiteral("7.12345"), QStringLiteral("7.25"),
         QStringLiteral("Please enter a number in the form nnnn.nnn")}};
    for (const auto& [field, typed, before, message] : refused) {
        QuoteSheet::Enter(field);
        QTest::keyClicks(field, typed);
        for (QAction* command : {w.mnuFilePrint, exportPdf}) {
            command->trigger();
            QCOMPARE(dialogs, 0);
            QVERIFY(!Progress(w));
            QCOMPARE(field->text(), typed);
            QCOMPARE(MessageBox::RecordedTexts(), QStringList{message});
            MessageBox::ClearRecorded();
        }
        QTest::keyClicks(field, before);
        QuoteSheet::Leave();
    }
    QCOMPARE(w.Quotes[1]->InterestRate(), 0.0725);
    QCOMPARE(w.Quotes[1]->Term(), 180);

    QuoteSheet::Enter(w.txtInterestRate[0]);
    QTest::keyClicks(w.txtInterestRate[0], QStringLiteral("4.125"));
    QCOMPARE(QApplication::focusWidget(), w.txtInterestRate[0]);
    QCOMPARE(w.txtInterestRate[0]->text(), QStringLiteral("4.125"));
    exportPdf->trigger();
    QCOMPARE(dialogs, 1);
    QVERIFY(Progress(w) && JobEnded());
    const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("4.125%")) && !text.contains(QStringLiteral("6.500%")), qPrintable(text));
    // The payment follows the rate taken in.
    QVERIFY(text.contains(w.txtPayment[0]->text()));
    QCOMPARE(w.Quotes[0]->InterestRate(), 0.04125);
}

// A fresh account has no documents folder, or names one that is gone: the
// file is proposed in the home folder instead, with its full path.
void TestPrintJob::exportProposesAFileInAFolderThatExists()
{
    const QByteArray home = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&home] { qputenv("HOME", home); });
    QTemporaryDir user;
    qputenv("HOME", QFile::encodeName(user.path()));
    QStringList proposed;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            proposed << file->selectedFiles().value(0);
        return int(QDialog::Rejected);
    });
    auto* exportPdf = m_window->findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    QVERIFY(exportPdf);

    exportPdf->trigger();
    QVERIFY(QDir(user.path()).mkdir(QStringLiteral("Documents")));
    exportPdf->trigger();
    QFile userDirs(QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/user-dirs.dirs"));
    QVERIFY(userDirs.open(QIODevice::WriteOnly) && userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n") > 0);
    userDirs.close();
    exportPdf->trigger();

    const QString name = QStringLiteral("Casa Grande.pdf");
    const QDir folder(user.path());
    QCOMPARE(proposed, (QStringList{folder.filePath(name), folder.filePath(QStringLiteral("Documents/") + name),
                                    folder.filePath(name)}));
    for (const QString& path : proposed)
        QVERIFY2(QFileInfo(path).isAbsolute() && QFileInfo(path).dir().exists(), qPrintable(path));
    QVERIFY(!Progress(*m_window));
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
