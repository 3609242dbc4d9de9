// The costs window's report through the program's printing: sixteen quotes
// with every Loan Estimate column filled, exported to PDF from the costs
// window's button and read back with poppler.

#include "PrintSheet.h"

#include "../app/FreshStart.h"
#include "../app/QuoteSheet.h"

#include "app/Loan.h"
#include "dialogs/frmCosts.h"
#include "model/CostsTable.h"
#include "model/LoanDocument.h"
#include "print/PrintDialogs.h"
#include "print/frmPrint.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using PrintSheet::PdfInfo;
using PrintSheet::Progress;
using PrintSheet::Run;

constexpr int JobEnds = frmPrint::TimerInterval + 20000;
constexpr int Quotes = 16;

} // namespace

class TestCostsReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sixteenQuotesPagedWithHeadings();
    void cancelledExportLeavesNoFile();

private:
    frmCosts* OpenCosts();
    void AnswerFileDialog(const QString& path);
    bool JobEnded() { return QTest::qWaitFor([this] { return !Progress(*m_window); }, JobEnds); }

    std::unique_ptr<FreshStart> m_fresh;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Loan> m_window;
};

void TestCostsReport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Thirty-year monthly quotes from 5 % up, each with closing costs, a lender
// credit, mortgage insurance and the lender's APR; a property value ends
// the insurance.
void TestCostsReport::init()
{
    m_fresh = std::make_unique<FreshStart>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = QuoteSheet::OpenWindow();
    QVERIFY(m_window);
    Loan& w = *m_window;
    QuoteSheet::Type(w.cboLoanName, QStringLiteral("Casa Grande"));
    QuoteSheet::Type(w.txtLoanAmount, QStringLiteral("200000"));
    w.LoadRowsUpTo(Loan::LargestAllowedRowIndex);
    LoanDocument& document = w.Document();
    for (int d = 0; d < Quotes; ++d) {
        CLoan& quote = *document.Quotes[static_cast<std::size_t>(d)];
        quote.SetTerm(360);
        quote.SetInterestRate(0.05 + d / 1000.0);
        quote.SetFrequencyCode(QStringLiteral("M"));
        quote.SetWho(QStringLiteral("Lender %1").arg(d + 1, 2, 10, QLatin1Char('0')));
        quote.SetClosingCosts(Money::FromDouble(2000 + 100 * d));
        quote.SetLenderCredit(Money::FromDouble(500));
        quote.SetMortgageInsurance(Money::FromDouble(90));
        quote.SetDisclosedApr(0.052 + d / 1000.0);
    }
    document.SetPropertyValue(Money::FromDouble(240000));
    document.RefreshQuoteResults();
}

void TestCostsReport::cleanup()
{
    PrintDialogs::Intercept(nullptr);
    m_window.reset();
    m_folder.reset();
    m_fresh.reset();
}

frmCosts* TestCostsReport::OpenCosts()
{
    auto* command = m_window->findChild<QAction*>(QStringLiteral("mnuToolsCosts"));
    if (!command)
        return nullptr;
    command->trigger();
    auto* costs = m_window->findChild<frmCosts*>(QStringLiteral("frmCosts"));
    return costs && QTest::qWaitForWindowActive(costs) ? costs : nullptr;
}

void TestCostsReport::AnswerFileDialog(const QString& path)
{
    PrintDialogs::Intercept([path](QDialog& dialog) {
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            file->selectFile(path);
        return int(QDialog::Accepted);
    });
}

// Page 1: the title, the name and every column with every lender; the
// chart; then the 360 payments of the chosen quote, each page repeating
// the headings, every page numbered.
void TestCostsReport::sixteenQuotesPagedWithHeadings()
{
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QTRY_COMPARE(costs->Costs().rowCount(), Quotes);
    QVERIFY(costs->chkLoanEstimate->isChecked());
    const QString path = m_folder->filePath(QStringLiteral("costs.pdf"));
    AnswerFileDialog(path);
    QVERIFY(costs->cmdExportCostsPdf->isEnabled());
    QTest::mouseClick(costs->cmdExportCostsPdf, Qt::LeftButton);
    QVERIFY2(Progress(*m_window), qPrintable(MessageBox::RecordedTexts().join(QLatin1Char('|'))));
    QVERIFY(!costs->cmdExportCostsPdf->isEnabled() && !costs->cmdPrintCosts->isEnabled());
    QVERIFY(!QFile::exists(path));
    QVERIFY(JobEnded());
    QVERIFY(costs->cmdExportCostsPdf->isEnabled());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("costs.pdf")});

    const int pages = PdfInfo(path, QStringLiteral("Pages")).toInt();
    const QStringList text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                 .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(text.size(), pages);
    // Landscape Letter: the table and the chart on page 1, the payments at
    // about forty a page after it.
    QVERIFY2(pages >= 8 && pages <= 12, qPrintable(QString::number(pages)));
    const QString first = text.first();
    QVERIFY(first.contains(QStringLiteral("Comparing true costs")));
    QVERIFY(first.contains(QStringLiteral("Casa Grande")));
    for (const QString& heading : {QStringLiteral("Lender's"), QStringLiteral("Lender"), QStringLiteral("credit"),
                                   QStringLiteral("Mortgage"), QStringLiteral("insurance"), QStringLiteral("Amount"),
                                   QStringLiteral("In 5"), QStringLiteral("TIP"), QStringLiteral("Break-even")})
        QVERIFY2(first.contains(heading), qPrintable(heading + QLatin1Char('\n') + first));
    for (int d = 1; d <= Quotes; ++d)
        QVERIFY2(first.contains(QStringLiteral("Lender %1").arg(d, 2, 10, QLatin1Char('0'))), qPrintable(first));
    QVERIFY(first.contains(QStringLiteral("$500.00")) && first.contains(QStringLiteral("$90.00")));
    QVERIFY(first.contains(QStringLiteral("5.200%")));
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(text[page - 1].contains(QStringLiteral("Page %1").arg(page)), qPrintable(text[page - 1]));
    const QString all = text.join(QString());
    QCOMPARE(all.count(QStringLiteral("Payments of Lender 01")), 1);
    // Every page that carries payments starts them under the headings.
    int paymentPages = 0;
    for (const QString& page : text) {
        if (!page.contains(QRegularExpression(QStringLiteral("\\n\\s*\\d+\\s+\\d+/\\d+/\\d+"))))
            continue;
        ++paymentPages;
        QVERIFY2(page.contains(QStringLiteral("Balance")) && page.contains(QStringLiteral("Principal")),
                 qPrintable(page));
    }
    QVERIFY(paymentPages >= pages - 2);
    QVERIFY(all.contains(QRegularExpression(QStringLiteral("\\n\\s*360\\s+"))));
}

// Cancelled before its timer lets it go: no file, and an older one stays.
void TestCostsReport::cancelledExportLeavesNoFile()
{
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    const QString path = m_folder->filePath(QStringLiteral("kept.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("older");
    old.close();
    AnswerFileDialog(path);
    QTest::mouseClick(costs->cmdExportCostsPdf, Qt::LeftButton);
    frmPrint* progress = Progress(*m_window);
    QVERIFY(progress);
    QTRY_VERIFY(progress->PrintFinished());
    QTest::mouseClick(progress->cmdCancel, Qt::LeftButton);
    QVERIFY(JobEnded());
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});
    QFile back(path);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), QByteArray("older"));
}

QTEST_MAIN(TestCostsReport)
#include "tst_costsreport.moc"
