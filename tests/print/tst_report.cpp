// The comparison report drawn from the real window onto a recording page:
// where captions and field texts land at full and half scale, page breaks
// with their repeated loan name, headings and page number, the footer, and
// texts that try to leave the page.

#include "../app/FreshStart.h"
#include "PrintSheet.h"
#include "RecordingSurface.h"

#include "print/ComparisonReport.h"
#include "print/CopyrightNotice.h"
#include "print/WindowGeometry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <map>
#include <memory>

namespace {

constexpr double PageHeight = 15000;
constexpr double Inset = 72;

bool Near(double a, double b)
{
    return std::abs(a - b) < 0.01;
}

// The whole report as a job draws it: the run, then the footer of the last
// page when the job ends.
void Draw(const Loan& window, RecordingSurface& page)
{
    ComparisonReport report(window, page, [] { return true; });
    QVERIFY(report.Run());
    report.PrintPageFooter();
}

int LastPage(const RecordingSurface& page)
{
    int last = 1;
    for (const auto& drawn : page.texts)
        last = std::max(last, drawn.page);
    return last;
}

// Every text, box and line within the printable area.
void VerifyInsidePage(const RecordingSurface& page)
{
    const double w = page.PrintableWidth() + 0.01;
    const double h = page.PrintableHeight() + 0.01;
    for (const auto& drawn : page.texts) {
        QVERIFY2(drawn.x >= -0.01 && drawn.x + page.WidthOf(drawn) <= w, qPrintable(drawn.text.left(40)));
        QVERIFY2(drawn.y >= -0.01 && drawn.y + page.HeightOf(drawn) <= h, qPrintable(drawn.text.left(40)));
    }
    for (const auto& box : page.boxes)
        QVERIFY(box.rect.left() >= -0.01 && box.rect.right() <= w && box.rect.top() >= -0.01 && box.rect.bottom() <= h);
    for (const auto& line : page.lines)
        QVERIFY(std::max(line.line.x1(), line.line.x2()) <= w && std::max(line.line.y1(), line.line.y2()) <= h);
}

// Rows are counted by their points boxes, one per row whatever its pages.
int PrintedRows(const Loan& window, const RecordingSurface& page)
{
    const WindowGeometry geometry(window);
    const double s = page.PrintableWidth() / geometry.Width();
    const double left = (geometry.OwnRect(window.txtPoints[0]).left() + geometry.QuoteLeft()) * s;
    int rows = 0;
    for (const auto& box : page.boxes)
        rows += Near(box.rect.left(), left) ? 1 : 0;
    return rows;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textsWhereTheWindowShowsThem_data();
    void textsWhereTheWindowShowsThem();
    void fewRowsMakeOnePage();
    void longLenderTextsBreakOntoPageTwo();
    void badInputStaysOnThePage_data();
    void badInputStaysOnThePage();

private:
    std::unique_ptr<FreshStart> m_fresh;
    std::unique_ptr<Loan> m_window;
};

void TestReport::init()
{
    m_fresh = std::make_unique<FreshStart>();
    m_window = QuoteSheet::OpenWindow();
    QVERIFY(m_window);
}

void TestReport::cleanup()
{
    m_window.reset();
    m_fresh.reset();
}

void TestReport::textsWhereTheWindowShowsThem_data()
{
    QTest::addColumn<double>("s");
    QTest::newRow("window as wide as the page") << 1.0;
    QTest::newRow("window twice as wide") << 0.5;
}

void TestReport::textsWhereTheWindowShowsThem()
{
    QFETCH(double, s);
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const WindowGeometry geometry(w);
    RecordingSurface page(geometry.Width() * s, PageHeight);
    Draw(w, page);
    const double th = w.lblLoanName->font().pointSizeF() * 24;

    const auto* caption = page.Find(w.lblLoanName->text());
    QVERIFY(caption);
    const QRectF label = geometry.Rect(w.lblLoanName);
    const QRectF nameBox = geometry.Rect(w.cboLoanName);
    QVERIFY(Near(caption->x, label.left() * s));
    QVERIFY(Near(caption->y, (label.top() + (nameBox.height() - th) / 2) * s));

    const auto* amount = page.Find(w.txtLoanAmount->text());
    QVERIFY(amount);
    const QRectF box = geometry.Rect(w.txtLoanAmount);
    QVERIFY(Near(amount->x, box.right() * s - page.WidthOf(*amount) - Inset));
    QVERIFY(Near(amount->y, box.top() * s + (box.height() * s - th) / 2));

    // The two lines of the first lender text, one below the other.
    const auto* first = page.Find(QStringLiteral("First Bank"));
    const auto* second = page.Find(QStringLiteral("Ann Lee 555-0100"));
    QVERIFY(first && second);
    const double left = (geometry.OwnRect(w.txtWho[0]).left() + geometry.QuoteLeft()) * s + Inset;
    const double rowHeight = std::max(geometry.OwnRect(w.txtPoints[0]).height(), 2 * th / s);
    QVERIFY(Near(first->x, left));
    QVERIFY(Near(second->x, left));
    QVERIFY(Near(first->y, geometry.QuoteTop() * s + (rowHeight * s - 2 * th) / 2));
    QVERIFY(Near(second->y, first->y + th));

    // The financed points of the second quote only, one ampersand in the
    // principal-and-interest heading, the four separators.
    QCOMPARE(page.FindAll(QStringLiteral("x")).size(), std::size_t(1));
    QVERIFY(page.Find(QStringLiteral("P & I")));
    std::vector<int> widths;
    for (const auto& line : page.lines)
        widths.push_back(line.width);
    QCOMPARE(widths, (std::vector<int>{5, 2, 2, 2}));
    VerifyInsidePage(page);
}

void TestReport::fewRowsMakeOnePage()
{
    Loan& w = *m_window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    RecordingSurface page(WindowGeometry(w).Width(), PageHeight);
    Draw(w, page);
    QCOMPARE(LastPage(page), 1);
    for (const auto& drawn : page.texts)
        QVERIFY(!drawn.text.startsWith(QStringLiteral("Page ")));
    QCOMPARE(page.FindAll(CopyrightNotice()).size(), std::size_t(1));
    QCOMPARE(page.Find(CopyrightNotice())->font.size, 6.0);
    QVERIFY(page.Find(CopyrightNotice())->font.italic);
    QCOMPARE(PrintedRows(w, page), w.LoadedUpperIndex() + 1);
    for (const QLineEdit* rate : {w.txtInterestRate[0], w.txtInterestRate[1], w.txtInterestRate[2]})
        QVERIFY(page.Find(rate->text()));
}

void TestReport::longLenderTextsBreakOntoPageTwo()
{
    Loan& w = *m_window;
    QuoteSheet::Type(w.cboLoanName, QStringLiteral("Casa Grande"));
    w.LoadRowsUpTo(Loan::LargestAllowedRowIndex);
    for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d)
        w.txtWho[static_cast<std::size_t>(d)]->setPlainText(PrintSheet::RowLines(d, 10));
    RecordingSurface page(WindowGeometry(w).Width(), PageHeight);
    Draw(w, page);

    const int pages = LastPage(page);
    QVERIFY(pages >= 2);
    const auto* number = page.Find(QStringLiteral("Page 2"));
    QVERIFY(number);
    QCOMPARE(number->page, 2);
    QVERIFY(Near(number->x + page.WidthOf(*number), page.PrintableWidth()));
    QVERIFY(!page.Find(QStringLiteral("Page 1")));
    std::map<int, int> names, headings, footers;
    for (const auto& drawn : page.texts) {
        names[drawn.page] += drawn.text == QLatin1String("Casa Grande");
        headings[drawn.page] += drawn.text == w.lblInterestRate->text();
        footers[drawn.page] += drawn.text == CopyrightNotice();
    }
    for (int p = 1; p <= pages; ++p) {
        QCOMPARE(names[p], 1);
        QCOMPARE(footers[p], 1);
    }
    QCOMPARE(headings[2], 1);
    for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d) {
        for (int k = 1; k <= 10; ++k)
            QVERIFY(page.Find(QStringLiteral("Bank %1 line %2").arg(d).arg(k)));
    }
    QCOMPARE(PrintedRows(w, page), Loan::LargestAllowedRowIndex + 1);
    VerifyInsidePage(page);
}

void TestReport::badInputStaysOnThePage_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lender");
    QTest::addColumn<bool>("allRows");
    const QString words = QStringLiteral("Mortgage Bank of the Northern Valley, ask for Ann ").repeated(80);
    const QString noBlanks = QStringLiteral("x").repeated(4000);
    QTest::newRow("empty window") << 1.0 << QString() << QString() << false;
    QTest::newRow("name of thousands of characters") << 1.0 << QStringLiteral("Casa ").repeated(600) << QString() << false;
    QTest::newRow("lender text of thousands of characters") << 1.0 << QString() << words << false;
    QTest::newRow("lender text without blanks") << 1.0 << QString() << noBlanks << false;
    QTest::newRow("sixteen ten-line rows, narrow page") << 0.5 << QStringLiteral("Casa") << QString() << true;
    QTest::newRow("sixteen ten-line rows, wide page") << 1.6 << QStringLiteral("Casa") << QString() << true;
    QTest::newRow("long texts, narrow page") << 0.5 << QStringLiteral("Casa ").repeated(600) << words << false;
}

void TestReport::badInputStaysOnThePage()
{
    QFETCH(double, s);
    QFETCH(QString, name);
    QFETCH(QString, lender);
    QFETCH(bool, allRows);
    Loan& w = *m_window;
    if (!name.isEmpty()) {
        w.cboLoanName->setEditText(name);
        w.CommitLoanNameEdit();
    }
    if (!lender.isEmpty())
        w.txtWho[0]->setPlainText(lender);
    if (allRows) {
        w.LoadRowsUpTo(Loan::LargestAllowedRowIndex);
        for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d)
            w.txtWho[static_cast<std::size_t>(d)]->setPlainText(PrintSheet::RowLines(d, 10));
    }
    RecordingSurface page(WindowGeometry(w).Width() * s, PageHeight);
    Draw(w, page);
    VerifyInsidePage(page);
    QCOMPARE(PrintedRows(w, page), w.LoadedUpperIndex() + 1);
    if (allRows) {
        for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d)
            QVERIFY(page.Find(QStringLiteral("Bank %1 line 10").arg(d)));
    }
    // A long lender text is all there, line by line.
    QString printed;
    for (const auto& drawn : page.texts) {
        if (!lender.isEmpty() && lender.contains(drawn.text.trimmed()) && drawn.text.size() > 1)
            printed += drawn.text;
    }
    QString squeezed = QString(lender).remove(QLatin1Char(' '));
    QCOMPARE(printed.remove(QLatin1Char(' ')), squeezed);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
