// The comparison report drawn from the real window onto a recording page:
// where texts land at full and half scale, rows as even bands, page breaks
// with the repeated loan name, headings and page number, the footer in the
// window's language, captions that keep to their boxes at any scale, and
// texts that try to leave the page.

#include "tests/app/WindowTest.h"
#include "../app/FreshStart.h"
#include "PrintSheet.h"
#include "RecordingSurface.h"

#include "app/VersionInfo.h"
#include "print/ComparisonReport.h"
#include "print/WindowGeometry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

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
    ComparisonReport report(window, window.Document(), *page, [] { return true; });
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

// The text drawn nearest to where the box starts, or an empty mark.
RecordingSurface::Mark Nearest(const RecordingSurface& page, const QString& text, double left)
{
    RecordingSurface::Mark nearest;
    for (const auto& mark : page.Find(text)) {
        if (nearest.text.isNull() || std::abs(mark.place.left() - left) < std::abs(nearest.place.left() - left))
            nearest = mark;
    }
    return nearest;
}

// What the report prints of a caption control.
QString CaptionOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    return static_cast<const QLabel*>(control)->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
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
    void rowIsOneEvenBand();
    void footerInTheWindowsLanguage();
    void captionsStayInTheirBoxes_data();
    void captionsStayInTheirBoxes();
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
    // Texts are scaled with the picture.
    const double th = w.lblLoanName->font().pointSizeF() * s * 24;

    const auto caption = page->Find(w.lblLoanName->text());
    QCOMPARE(caption.size(), std::size_t(1));
    const QRectF label = geometry.Rect(w.lblLoanName);
    QVERIFY(Near(caption[0].place.left(), label.left() * s));
    QVERIFY(Near(caption[0].place.top(), label.top() * s + (geometry.Rect(w.cboLoanName).height() * s - th) / 2));

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

// Every box of a row is as high as the row's lender text, however many
// lines that takes, and the next row starts where it ends; the payoff date
// stands at its box's right edge as the other figures do.
void TestReport::rowIsOneEvenBand()
{
    Loan& w = *window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    PrintSheet::TypeLender(w, 2, PrintSheet::RowLines(2, 4).split(QLatin1Char('\n')));
    const auto page = Draw(w, 1);
    const WindowGeometry geometry(w);
    const double fieldHeight = geometry.OwnRect(w.txtPoints[0]).height();
    const double th = w.lblLoanName->font().pointSizeF() * 24;
    const double pointsLeft = geometry.OwnRect(w.txtPoints[0]).left() + geometry.QuoteLeft();

    std::vector<double> rowTops;
    for (const auto& box : page->boxes) {
        if (Near(box.place.left(), pointsLeft))
            rowTops.push_back(box.place.top());
    }
    QCOMPARE(int(rowTops.size()), w.LoadedUpperIndex() + 1);
    const double lines[] = {2, 1, 4};
    double top = geometry.QuoteTop();
    for (std::size_t row = 0; row < rowTops.size(); ++row) {
        std::vector<QRectF> band;
        for (const auto& box : page->boxes) {
            if (Near(box.place.top(), rowTops[row]) && box.place.left() >= geometry.QuoteLeft() - 0.01)
                band.push_back(box.place);
        }
        QVERIFY(Near(rowTops[row], top));
        QCOMPARE(band.size(), std::size_t(11));
        const double height = std::max(fieldHeight, th * (row < 3 ? lines[row] : 1));
        for (const QRectF& box : band)
            QVERIFY2(Near(box.height(), height), qPrintable(QStringLiteral("row %1 at %2").arg(row).arg(box.left())));
        top += height;
    }

    // The only quote of fifteen years.
    const auto date = page->Find(w.txtPayoffDate[1]->text());
    QVERIFY(!w.txtPayoffDate[1]->text().isEmpty() && date.size() == 1);
    const QRectF own = geometry.OwnRect(w.txtPayoffDate[1]);
    QVERIFY(Near(date[0].place.right(), geometry.QuoteLeft() + own.right() - Inset));
}

// The footer's notice is printed in the window's language, as the page
// number is.
void TestReport::footerInTheWindowsLanguage()
{
    Loan& w = *window;
    FillAllRows(w, 10);
    w.mnuToolsLanguageOpt[2]->trigger();
    const auto page = Draw(w, 1);
    const auto footers = page->Find(QStringLiteral("Copyright © 2026 Zantic Brindlecoft. Todos los derechos reservados."));
    QVERIFY(footers.size() >= 2);
    QCOMPARE(footers.back().page, page->Page());
    QVERIFY(page->Find(VersionInfo::LegalCopyright()).empty());
    QCOMPARE(page->Find(QStringLiteral("Página 2")).size(), std::size_t(1));
}

void TestReport::captionsStayInTheirBoxes_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<int>("language");
    QTest::newRow("English, portrait page") << 0.7 << 1;
    QTest::newRow("Spanish, portrait page") << 0.7 << 2;
    QTest::newRow("Spanish, half size") << 0.5 << 2;
    QTest::newRow("Spanish, wider than the window") << 1.6 << 2;
}

// Texts are scaled with the picture, and a caption wider than its box even
// so, as a long translation may be, is set smaller: no caption runs into
// its neighbour.
void TestReport::captionsStayInTheirBoxes()
{
    QFETCH(double, s);
    QFETCH(int, language);
    Loan& w = *window;
    QVERIFY(PrintSheet::TypeComparison(w, QStringLiteral("Casa Grande")));
    const QString lender = QStringLiteral("Mortgage Bank of the Northern Valley, ask for Ann Lee");
    w.txtWho[2]->setPlainText(lender.repeated(3));
    w.mnuToolsLanguageOpt[language]->trigger();
    const auto page = Draw(w, s);
    const WindowGeometry geometry(w);
    const double body = w.lblLoanName->font().pointSizeF() * s;

    const QWidget* captions[] = {
        w.lblLoanName,      w.lblLoanType,          w.lblLoanAmount,        w.lblLoanTerm,
        w.lblAnnualTaxes,   w.lblAnnualInsurance,   w.lblMonthlyEscrow,     w.lblPoints,
        w.lblInterestRate,  w.lblTerm,              w.lblFrequency,         w.lblPandI,
        w.lblPayment,       w.lblActualPayment,     w.cmdPayoffDate,        w.cmdInterest,
        w.lblWho,           w.lblCurrent,           w.lblCurLoanAmount,     w.lblCurLoanTerm,
        w.lblCurInterestRate, w.lblCurrentBalance,  w.lblCurPaymentFrequency, w.lblCurPayment,
        w.lblCurActualPayment, w.lblActPaymentFrequency, w.lblNextPayment, w.lblCurPayoffDate,
        w.lblCurAmountLeft, w.lblCurInterestLeft};
    for (const QWidget* control : captions) {
        const QRectF box = geometry.Rect(control);
        const auto mark = Nearest(*page, CaptionOf(control), box.left() * s);
        QVERIFY2(!mark.text.isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(mark.place.left() >= box.left() * s - 0.01 && mark.place.right() <= box.right() * s + 0.01,
                 qPrintable(control->objectName() + QLatin1Char(' ') + mark.text));
        QVERIFY(mark.font.size <= control->font().pointSizeF() * s + 0.01);
    }
    const auto amount = page->Find(w.txtLoanAmount->text());
    QVERIFY(amount.size() == 1 && Near(amount[0].font.size, body));

    // The lender's lines, wrapped inside its box's inset.
    const double whoLeft = (geometry.QuoteLeft() + geometry.OwnRect(w.txtWho[0]).left()) * s;
    const double whoRight = whoLeft + (geometry.OwnRect(w.txtWho[0]).width() + geometry.Rect(w.vsbLoans).width()) * s;
    int lines = 0;
    for (const auto& mark : page->texts) {
        if (mark.place.left() < whoLeft || !lender.repeated(3).contains(mark.text))
            continue;
        ++lines;
        QVERIFY2(mark.place.right() <= whoRight - Inset + 0.01, qPrintable(mark.text));
    }
    QVERIFY(lines >= 3);
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
