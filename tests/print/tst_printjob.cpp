// Whole print jobs as a user runs them: the progress window over the main
// window, the PDF read back with poppler's tools, Cancel, files that cannot
// be written, and the File menu's print commands with their dialogs
// answered by the test.

#include "../app/FreshStart.h"
#include "PrintSheet.h"

#include "app/MessageBox.h"
#include "print/CopyrightNotice.h"
#include "print/PrintDialogs.h"
#include "print/PrintJob.h"
#include "print/frmPrint.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int JobEnds = 3000 + 5000;

std::unique_ptr<QPrinter> PdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& path)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

QString PdfInfo(const QString& path, const QString& field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(Run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

frmPrint* Progress(Loan& window)
{
    return window.findChild<frmPrint*>(QStringLiteral("frmPrint"));
}

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

private:
    bool WaitForJobEnd();

    std::unique_ptr<FreshStart> m_fresh;
    std::unique_ptr<Loan> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
    // Outlives the window, as the program's printers do.
    std::unique_ptr<QPrinter> m_printer;
};

void TestPrintJob::init()
{
    m_fresh = std::make_unique<FreshStart>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = QuoteSheet::OpenWindow();
    QVERIFY(m_window);
}

void TestPrintJob::cleanup()
{
    PrintDialogs::Intercept(nullptr);
    m_window.reset();
    m_printer.reset();
    m_folder.reset();
    m_fresh.reset();
}

bool TestPrintJob::WaitForJobEnd()
{
    return QTest::qWaitFor([this] { return !Progress(*m_window); }, JobEnds);
}

void TestPrintJob::finishedJobWritesEveryRowAndTheFooter()
{
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const QString path = m_folder->filePath(QStringLiteral("casa.pdf"));
    m_printer = PdfPrinter(path);
    auto& printer = m_printer;
    RunPrintJob(w, *printer);

    frmPrint* progress = Progress(w);
    QVERIFY(progress);
    QTRY_VERIFY(progress->PrintFinished());
    QVERIFY(progress->isVisible() && !progress->isModal());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Printing..."));
    QCOMPARE(progress->lblPrintingText->text(), QStringLiteral("Printing loan Casa Grande..."));
    QCOMPARE(progress->cmdCancel->text(), QStringLiteral("Cancel"));
    QVERIFY2((progress->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2 %3,%4").arg(progress->frameGeometry().center().x()).arg(progress->frameGeometry().center().y()).arg(w.frameGeometry().center().x()).arg(w.frameGeometry().center().y())));
    // Drawn, and still up while its timer runs; nothing written yet.
    QVERIFY(progress->tmrPrint->isActive());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QApplication::overrideCursor());

    QVERIFY(WaitForJobEnd());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("casa.pdf")});
    QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
    const QString text = PdfText(path);
    QVERIFY(text.contains(QStringLiteral("Casa Grande")));
    for (std::size_t d = 0; d < 3; ++d) {
        QVERIFY(!w.txtInterestRate[d]->text().isEmpty());
        QVERIFY2(text.contains(w.txtInterestRate[d]->text()), qPrintable(w.txtInterestRate[d]->text()));
        QVERIFY(text.contains(w.txtPayment[d]->text()));
    }
    QVERIFY(text.contains(QStringLiteral("Harbor Credit Union")));
    QVERIFY(text.contains(QStringLiteral("Ann Lee 555-0100")));
    QCOMPARE(text.count(CopyrightNotice()), 1);
    QVERIFY2(MessageBox::RecordedTexts().isEmpty(), qPrintable(MessageBox::RecordedTexts().join('|')));
}

void TestPrintJob::cancelPrintsNothing_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("file already there") << QByteArray("the comparison printed last week");
}

// Cancel while the window waits for its timer, the report already drawn.
void TestPrintJob::cancelPrintsNothing()
{
    QFETCH(QByteArray, before);
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const QString path = m_folder->filePath(QStringLiteral("casa.pdf"));
    if (!before.isEmpty()) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(before);
    }
    m_printer = PdfPrinter(path);
    auto& printer = m_printer;
    RunPrintJob(w, *printer);
    frmPrint* progress = Progress(w);
    QVERIFY(progress);
    QTRY_VERIFY(progress->PrintFinished());
    QTest::mouseClick(progress->cmdCancel, Qt::LeftButton);
    QVERIFY(WaitForJobEnd());

    QStringList left = before.isEmpty() ? QStringList() : QStringList{QStringLiteral("casa.pdf")};
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), left);
    if (!before.isEmpty()) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
    }
    QCOMPARE(printer->outputFileName(), path);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestPrintJob::unwritableFileIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder missing") << QStringLiteral("missing");
    QTest::newRow("a file where the folder should be") << QStringLiteral("file");
    QTest::newRow("read-only folder") << QStringLiteral("readonly");
}

void TestPrintJob::unwritableFileIsReported()
{
    QFETCH(QString, kind);
    const QString base = m_folder->path();
    QString folder = base + QStringLiteral("/missing");
    if (kind == QLatin1String("file")) {
        folder = base + QStringLiteral("/plain");
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else if (kind == QLatin1String("readonly")) {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("The superuser writes into read-only folders.");
#endif
        folder = base + QStringLiteral("/locked");
        QVERIFY(QDir(base).mkdir(QStringLiteral("locked")));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    const QString path = folder + QStringLiteral("/casa.pdf");
    const QStringList before = QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    m_printer = PdfPrinter(path);
    auto& printer = m_printer;
    RunPrintJob(*m_window, *printer);

    QVERIFY(!Progress(*m_window));
    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{QStringLiteral("The PDF file ") + QDir::toNativeSeparators(path)
                         + QStringLiteral(" could not be written. Check that its folder exists and that you may "
                                          "write to it.")});
    QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (kind == QLatin1String("readonly"))
        QVERIFY(QDir(folder).isEmpty());
}

void TestPrintJob::printCommandGoesThroughItsDialog()
{
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const QString path = m_folder->filePath(QStringLiteral("printed.pdf"));
    bool accept = false;
    QPrinter* chosen = nullptr;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print)
            return int(QDialog::Rejected);
        // The only way to print on a machine without a printer stays.
        [&] {
            QVERIFY(print->testOption(QAbstractPrintDialog::PrintToFile));
            QVERIFY(!print->testOption(QAbstractPrintDialog::PrintSelection));
            QVERIFY(!print->testOption(QAbstractPrintDialog::PrintPageRange));
        }();
        chosen = print->printer();
        if (!accept)
            return int(QDialog::Rejected);
        chosen->setOutputFormat(QPrinter::PdfFormat);
        chosen->setOutputFileName(path);
        return int(QDialog::Accepted);
    });

    w.mnuFilePrint->trigger();
    QVERIFY(chosen);
    QVERIFY(!Progress(w));
    QVERIFY(MessageBox::Recorded().isEmpty());

    accept = true;
    QPrinter* first = chosen;
    w.mnuFilePrint->trigger();
    QCOMPARE(chosen, first);
    QVERIFY(Progress(w));
    // One job at a time.
    QVERIFY(!w.mnuFilePrint->isEnabled());
    QVERIFY(WaitForJobEnd());
    QVERIFY(w.mnuFilePrint->isEnabled());
    QVERIFY(PdfText(path).contains(QStringLiteral("Casa Grande")));
}

void TestPrintJob::pageSetupCarriesToTheExport()
{
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const QString path = m_folder->filePath(QStringLiteral("exported.pdf"));
    QString caption;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog)) {
            setup->printer()->setPageOrientation(QPageLayout::Landscape);
            return int(QDialog::Accepted);
        }
        if (auto* file = qobject_cast<QFileDialog*>(&dialog)) {
            caption = file->windowTitle();
            file->selectFile(path);
            return int(QDialog::Accepted);
        }
        return int(QDialog::Rejected);
    });
    w.mnuFilePrintSetup->trigger();
    auto* exportPdf = w.findChild<QAction*>(QStringLiteral("mnuFileExportPdf"));
    QVERIFY(exportPdf);
    QVERIFY(w.mnuFile->actions().indexOf(exportPdf) == w.mnuFile->actions().indexOf(w.mnuFilePrint) + 1);
    exportPdf->trigger();
    QCOMPARE(caption, QStringLiteral("Export PDF"));
    QVERIFY(Progress(w));
    QVERIFY(WaitForJobEnd());
    const QStringList size = PdfInfo(path, QStringLiteral("Page size")).split(QLatin1Char(' '));
    QVERIFY2(size.size() >= 3 && size[0].toDouble() > size[2].toDouble(), qPrintable(size.join(' ')));

    w.mnuToolsLanguageOpt[2]->trigger();
    w.mnuFile->popup(QPoint());
    w.mnuFile->hide();
    QCOMPARE(exportPdf->text(), QStringLiteral("&Exportar a PDF..."));
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
