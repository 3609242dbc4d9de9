// The comparison report drawn from the real window onto a recording page:
// where texts land at full and half scale, page breaks with the repeated
// loan name, headings and page number, the footer, and texts that try to
// leave the page.

#include "tests/app/WindowTest.h"
#include "../app/FreshStart.h"
#include "PrintSheet.h"
#include "RecordingSurface.h"

#include "app/VersionInfo.h"
#include "print/ComparisonReport.h"
#include "print/WindowGeometry.h"

#include <QLabel>
#include <QLineEdit>

#include <map>
#include <memory>

namespace {

constexpr double PageHeight = 15000;
constexpr double Inset = 72;

bool Near(double a, double b)
{
    return std::abs(a - b) < 0.01;
}

// As a job draws it: the run, then the last page's footer.
std::unique_ptr<RecordingSurface> Draw(const Loan& window, double s)
{
    auto page = std::make_unique<RecordingSurface>(WindowGeometry(window).Width() * s, PageHeight);
    ComparisonReport report(window, *page, [] { return true; });
    if (report.Run())
        report.PrintPageFooter();
    return page;
}

void VerifyInsidePage(const RecordingSurface& page)
{
    const QRectF inside =
        QRectF(0, 0, page.PrintableWidth(), page.PrintableHeight()).adjusted(-0.01, -0.01, 0.01, 0.01);
    for (const auto* marks : {&page.texts, &page.boxes, &page.lines}) {
        for (const auto& mark : *marks)
            QVERIFY2(inside.contains(mark.place.topLeft()) && inside.contains(mark.place.bottomRight()),
                     qPrintable(mark.text.left(40)));
    }
}

// One points box per row, however many pages the row takes.
int PrintedRows(const Loan& window, const RecordingSurface& page)
{
    const WindowGeometry geometry(window);
    const double s = page.PrintableWidth() / geometry.Width();
    const double left = (geometry.OwnRect(window.txtPoints[0]).left() + geometry.QuoteLeft()) * s;
    return static_cast<int>(std::count_if(page.boxes.begin(), page.boxes.end(),
                                          [&](const auto& box) { return Near(box.place.left(), left); }));
}

void FillAllRows(Loan& window, int lines)
{
    window.LoadRowsUpTo(Loan::LargestAllowedRowIndex);
    for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d)
        window.txtWho[static_cast<std::size_t>(d)]->setPlainText(PrintSheet::RowLines(d, lines));
}

} // namespace

class TestReport : public WindowTest
{
    Q_OBJECT

private slots:
    void textsWhereTheWindowShowsThem_data();
    void textsWhereTheWindowShowsThem();
    void longLenderTextsBreakOntoPageTwo();
    void badInputStaysOnThePage_data();
    void badInputStaysOnThePage();

};

void TestReport::textsWhereTheWindowShowsThem_data()
{
    QTest::addColumn<double>("s");
    QTest::newRow("window as wide as the page") << 1.0;
    QTest::newRow("window twice as wide") << 0.5;
}

void TestReport::textsWhereTheWindowShowsThem()
{
    QFETCH(double, s);
    Loan& w = *window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const auto page = Draw(w, s);
    const WindowGeometry geometry(w);
    const double th = w.lblLoanName->font().pointSizeF() * 24;

    const auto caption = page->Find(w.lblLoanName->text());
    QCOMPARE(caption.size(), std::size_t(1));
    const QRectF label = geometry.Rect(w.lblLoanName);
    QVERIFY(Near(caption[0].place.left(), label.left() * s));
    QVERIFY(Near(caption[0].place.top(), (label.top() + (geometry.Rect(w.cboLoanName).height() - th) / 2) * s));

    const auto amount = page->Find(w.txtLoanAmount->text());
    QCOMPARE(amount.size(), std::size_t(1));
    const QRectF box = geometry.Rect(w.txtLoanAmount);
    QVERIFY(Near(amount[0].place.right(), box.right() * s - Inset));
    QVERIFY(Near(amount[0].place.top(), box.top() * s + (box.height() * s - th) / 2));

    // The first lender's two lines, one below the other on one left edge.
    const auto first = page->Find(QStringLiteral("First Bank"));
    const auto second = page->Find(QStringLiteral("Ann Lee 555-0100"));
    QVERIFY(first.size() == 1 && second.size() == 1);
    const double left = (geometry.OwnRect(w.txtWho[0]).left() + geometry.QuoteLeft()) * s + Inset;
    const double rowHeight = std::max(geometry.OwnRect(w.txtPoints[0]).height(), 2 * th / s);
    QVERIFY(Near(first[0].place.left(), left) && Near(second[0].place.left(), left));
    QVERIFY(Near(first[0].place.top(), geometry.QuoteTop() * s + (rowHeight * s - 2 * th) / 2));
    QVERIFY(Near(second[0].place.top(), first[0].place.top() + th));

    // Only the second quote has its points financed; one ampersand in the
    // principal-and-interest heading; the four separators.
    QCOMPARE(page->Find(QStringLiteral("x")).size(), std::size_t(1));
    QCOMPARE(page->Find(QStringLiteral("P & I")).size(), std::size_t(1));
    std::vector<int> widths;
    for (const auto& line : page->lines)
        widths.push_back(line.width);
    QCOMPARE(widths, (std::vector<int>{5, 2, 2, 2}));
    VerifyInsidePage(*page);

    // Few rows: one page, no page number, the footer once in 6-point italic.
    for (const auto& drawn : page->texts)
        QVERIFY(drawn.page == 1 && !drawn.text.startsWith(QStringLiteral("Page ")));
    const auto footer = page->Find(VersionInfo::LegalCopyright());
    QVERIFY(footer.size() == 1 && footer[0].font.size == 6 && footer[0].font.italic);
    QCOMPARE(PrintedRows(w, *page), w.LoadedUpperIndex() + 1);
}

void TestReport::longLenderTextsBreakOntoPageTwo()
{
    Loan& w = *window;
    QuoteSheet::Type(w.cboLoanName, QStringLiteral("Casa Grande"));
    FillAllRows(w, 10);
    const auto page = Draw(w, 1);

    const auto number = page->Find(QStringLiteral("Page 2"));
    QCOMPARE(number.size(), std::size_t(1));
    QCOMPARE(number[0].page, 2);
    QVERIFY(Near(number[0].place.right(), page->PrintableWidth()));
    QVERIFY(page->Find(QStringLiteral("Page 1")).empty());
    std::map<int, int> names, headings, footers;
    for (const auto& drawn : page->texts) {
        names[drawn.page] += drawn.text == QLatin1String("Casa Grande");
        headings[drawn.page] += drawn.text == w.lblInterestRate->text();
        footers[drawn.page] += drawn.text == VersionInfo::LegalCopyright();
    }
    QVERIFY(footers.size() >= 2);
    for (const auto& [p, count] : footers)
        QVERIFY(count == 1 && names[p] == 1 && headings[p] >= 1);
    for (int d = 0; d <= Loan::LargestAllowedRowIndex; ++d) {
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(page->Find(QStringLiteral("Bank %1 line %2").arg(d).arg(k)).size(), std::size_t(1));
    }
    QCOMPARE(PrintedRows(w, *page), Loan::LargestAllowedRowIndex + 1);
    VerifyInsidePage(*page);
}

void TestReport::badInputStaysOnThePage_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lender");
    QTest::addColumn<int>("rowLines");
    const QString name = QStringLiteral("Casa ").repeated(600);
    const QString words = QStringLiteral("Mortgage Bank of the Northern Valley, ask for Ann ").repeated(80);
    const QString noBlanks = QStringLiteral("x").repeated(4000);
    QTest::newRow("empty window") << 1.0 << QString() << QString() << 0;
    QTest::newRow("name of thousands of characters") << 1.0 << name << QString() << 0;
    QTest::newRow("lender text of thousands of characters") << 1.0 << QString() << words << 0;
    QTest::newRow("lender text without blanks") << 1.0 << QString() << noBlanks << 0;
    QTest::newRow("sixteen ten-line rows, narrow page") << 0.5 << QString() << QString() << 10;
    QTest::newRow("sixteen ten-line rows, wide page") << 1.6 << QString() << QString() << 10;
    QTest::newRow("long texts, narrow page") << 0.5 << name << words << 0;
}

void TestReport::badInputStaysOnThePage()
{
    QFETCH(double, s);
    QFETCH(QString, name);
    QFETCH(QString, lender);
    QFETCH(int, rowLines);
    Loan& w = *window;
    w.cboLoanName->setEditText(name);
    w.CommitLoanNameEdit();
    w.txtWho[0]->setPlainText(lender);
    if (rowLines > 0)
        FillAllRows(w, rowLines);
    const auto page = Draw(w, s);
    VerifyInsidePage(*page);
    QCOMPARE(PrintedRows(w, *page), w.LoadedUpperIndex() + 1);
    for (int d = 0; rowLines > 0 && d <= Loan::LargestAllowedRowIndex; ++d)
        QCOMPARE(page->Find(QStringLiteral("Bank %1 line %2").arg(d).arg(rowLines)).size(), std::size_t(1));
    // Every character of a long lender text is on paper.
    QString printed;
    for (const auto& drawn : page->texts)
        printed += lender.contains(drawn.text) && drawn.text.size() > 1 ? drawn.text : QString();
    QCOMPARE(printed.remove(QLatin1Char(' ')).size(), QString(lender).remove(QLatin1Char(' ')).size());
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
