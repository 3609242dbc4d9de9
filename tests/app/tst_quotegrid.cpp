// The grid of quote rows: rows made as the user reaches the last one, the
// scroll bar that rests on whole rows, the window sized to the rows shown at
// once, and the wallpaper behind it all.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/MessageBox.h"
#include "store/Settings.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QDateEdit>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

#include <cmath>
#include <optional>

using namespace QuoteSheet;

class TestQuoteGrid : public WindowTest
{
    Q_OBJECT

private slots:
    void defaultStartShowsSixRows();
    void rowsAreAddedOnFocusUpToSixteen();
    void scrollRestsOnWholeRows_data();
    void scrollRestsOnWholeRows();
    void draggedThumbMovesThenSnaps();
    void focusedRowComesIntoView();
    void sortShowsTheFirstRow();
    void sortCaptionsLineUpWithTheHeadings();
    void lenderShowsItsFirstLineOnly();
    void wheelOverTheRowsScrolls();
    void wheelPassesControlsWithoutTheFocus();
    void windowFollowsTheRowsShownAtOnce();
    void largerWindowShowsMoreOfTheGrid();
    void wallpaperThatFails_data();
    void wallpaperThatFails();
    void wallpaperIsTiledBehindTheWindow();

private:
    int RowHeight() const { return window->cboFrequency[0]->height(); }
    int CanvasTop() const { return window->picCanvas->y(); }
    void ReopenWithWallpaper(const QString& fileName);

};

void TestQuoteGrid::ReopenWithWallpaper(const QString& fileName)
{
    window.reset();
    Settings stored;
    stored.Wallpaper = fileName;
    // As on a first start, which creates the program's key.
    Settings::ReadStartLanguage();
    stored.SaveSettings();
    OpenWindow();
}

void TestQuoteGrid::defaultStartShowsSixRows()
{
    const int p = RowHeight();
    QCOMPARE(window->LoadedUpperIndex(), 5);
    QCOMPARE(window->chkPoints.size(), std::size_t(6));
    QCOMPARE(window->picScroll->height(), 6 * p + 2);
    QCOMPARE(window->txtWho[5]->y(), 5 * p);
    QVERIFY(window->txtWho[5]->isVisible());
    QCOMPARE(window->vsbLoans->maximum(), 0);
    QVERIFY(!window->vsbLoans->isEnabled());
    // The quote list grew in a block of ten beyond the first row.
    QCOMPARE(window->Quotes.size(), std::size_t(11));
    QCOMPARE(window->txtTerm[5]->toolTip(), window->txtTerm[0]->toolTip());
    QCOMPARE(window->txtTerm[5]->toolTip(), QStringLiteral("Term for this loan"));
}

void TestQuoteGrid::rowsAreAddedOnFocusUpToSixteen()
{
    const int p = RowHeight();
    Enter(window->txtPoints[5]);
    QCOMPARE(window->LoadedUpperIndex(), 6);
    QCOMPARE(window->txtPoints[6]->y(), 6 * p);
    QCOMPARE(window->vsbLoans->maximum(), p);
    QVERIFY(window->vsbLoans->isEnabled());
    QCOMPARE(window->Quotes.size(), std::size_t(16));

    // Any field the user types into does it.
    const QStringList columns = {QStringLiteral("chkPoints"), QStringLiteral("txtInterestRate"),
                                 QStringLiteral("txtTerm"), QStringLiteral("cboFrequency"),
                                 QStringLiteral("txtActualPayment"), QStringLiteral("txtWho")};
    while (window->LoadedUpperIndex() < Loan::LargestAllowedRowIndex) {
        const int last = window->LoadedUpperIndex();
        const QString name = columns.at(last % columns.size()) + QLatin1Char('_') + QString::number(last);
        QWidget* field = window->findChild<QWidget*>(name);
        if (qobject_cast<QCheckBox*>(field))
            field->setFocus(Qt::TabFocusReason);
        else
            Enter(field);
        QVERIFY2(window->LoadedUpperIndex() == last + 1, qPrintable(name));
    }
    Enter(window->txtActualPayment[15]);

    QCOMPARE(window->LoadedUpperIndex(), 15);
    QCOMPARE(window->chkPoints.size(), std::size_t(16));
    QVERIFY(!window->findChild<QCheckBox*>(QStringLiteral("chkPoints_16")));
    QCOMPARE(window->picCanvas->height(), 16 * p);
    QCOMPARE(window->vsbLoans->maximum(), 10 * p);
    QCOMPARE(window->vsbLoans->value(), 10 * p);
    QCOMPARE(CanvasTop(), 1 - 10 * p);
    QCOMPARE(window->Quotes.size(), std::size_t(26));
}

void TestQuoteGrid::scrollRestsOnWholeRows_data()
{
    QTest::addColumn<double>("rows");
    QTest::addColumn<int>("restsOn");

    QTest::newRow("a third of the way") << 1.3 << 1;
    QTest::newRow("most of the way") << 1.7 << 2;
    QTest::newRow("half, up to the even row") << 1.5 << 2;
    QTest::newRow("half, down to the even row") << 2.5 << 2;
}

void TestQuoteGrid::scrollRestsOnWholeRows()
{
    QFETCH(double, rows);
    QFETCH(int, restsOn);
    const int p = RowHeight();
    const bool half = rows * 2 == std::floor(rows * 2) && rows != std::floor(rows);
    if (half && p % 2 != 0)
        QSKIP("with an odd row height no value lies exactly between two rows");
    window->LoadRowsUpTo(15);

    window->vsbLoans->setValue(static_cast<int>(rows * p));

    QCOMPARE(window->vsbLoans->value(), restsOn * p);
    QCOMPARE(CanvasTop(), 1 - restsOn * p);
}

void TestQuoteGrid::draggedThumbMovesThenSnaps()
{
    const int p = RowHeight();
    window->LoadRowsUpTo(15);
    QScrollBar* bar = window->vsbLoans;

    bar->setSliderDown(true);
    bar->setSliderPosition(2 * p + p / 3);
    QCOMPARE(CanvasTop(), 1 - (2 * p + p / 3));
    QCOMPARE(bar->value(), 0);

    bar->setSliderDown(false);
    QCOMPARE(bar->value(), 2 * p);
    QCOMPARE(CanvasTop(), 1 - 2 * p);
}

void TestQuoteGrid::focusedRowComesIntoView()
{
    const int p = RowHeight();
    window->LoadRowsUpTo(15);

    Enter(window->txtTerm[12]);
    QCOMPARE(window->vsbLoans->value(), 7 * p);
    Enter(window->txtTerm[3]);
    QCOMPARE(window->vsbLoans->value(), 3 * p);
    Enter(window->txtTerm[8]);
    QCOMPARE(window->vsbLoans->value(), 3 * p);
    QCOMPARE(CanvasTop(), 1 - 3 * p);
}

// The best quote moves to row 0; a view left further down would hide it.
void TestQuoteGrid::sortShowsTheFirstRow()
{
    window->LoadRowsUpTo(15);
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    TypeQuote(*window, 12, QStringLiteral("5"), QStringLiteral("15"), QStringLiteral("Monthly"));
    TypeQuote(*window, 3, QStringLiteral("7"), QStringLiteral("30"), QStringLiteral("Monthly"));
    for (QPushButton* sort : {window->cmdPayoffDate, window->cmdInterest}) {
        window->vsbLoans->setValue(7 * RowHeight());
        QTest::mouseClick(sort, Qt::LeftButton);
        QCOMPARE(window->vsbLoans->value(), 0);
        QCOMPARE(CanvasTop(), 1);
        QCOMPARE(window->R(0), quint16(12));
    }
}

void TestQuoteGrid::sortCaptionsLineUpWithTheHeadings()
{
    for (QWidget* heading : {static_cast<QWidget*>(window->lblPoints), static_cast<QWidget*>(window->lblWho)}) {
        const QLabel* label = qobject_cast<QLabel*>(heading);
        const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->rect(), int(label->alignment()),
                                                        true, label->text());
        const int labelMiddle = label->y() + text.center().y();
        for (QPushButton* sort : {window->cmdPayoffDate, window->cmdInterest})
            QVERIFY(std::abs(labelMiddle - sort->geometry().center().y()) <= 1);
    }
}

// Typed over several lines, loaded, or cleared: without the focus the field
// shows the lender's first line, and no part of the next.
void TestQuoteGrid::lenderShowsItsFirstLineOnly()
{
    QPlainTextEdit* who = window->txtWho[0];
    QTest::mouseClick(who->viewport(), Qt::LeftButton);
    QTest::keyClicks(who, QStringLiteral("First Bank"));
    for (const char* line : {"Ann Smith", "555-0100"}) {
        QTest::keyClick(who, Qt::Key_Return);
        QTest::keyClicks(who, QLatin1String(line));
    }
    auto lineTop = [who](int line) {
        QTextCursor cursor(who->document()->findBlockByNumber(line));
        return who->cursorRect(cursor).top();
    };
    QVERIFY(lineTop(2) >= 0);
    QTest::keyClick(who, Qt::Key_Tab);

    QVERIFY(!who->hasFocus());
    QVERIFY(lineTop(0) >= 0);
    QVERIFY(lineTop(1) >= who->viewport()->height());
    QCOMPARE(window->Quotes[0]->Who(), QStringLiteral("First Bank\nAnn Smith\n555-0100"));
}

// A wheel turned over a field that does not take it reaches the viewport
// (made-up events do not travel up, so the test sends it there).
void TestQuoteGrid::wheelOverTheRowsScrolls()
{
    const int p = RowHeight();
    window->LoadRowsUpTo(15);
    QWidget* viewport = window->picScroll;
    const QPoint at = viewport->rect().center();
    QWheelEvent down(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);

    QApplication::sendEvent(viewport, &down);

    QVERIFY(window->vsbLoans->value() > 0);
    QCOMPARE(window->vsbLoans->value() % p, 0);
    QCOMPARE(CanvasTop(), 1 - window->vsbLoans->value());
}

namespace {

// One notch down over the middle of a control, delivered as the window
// system delivers it: to the widget under the pointer, and on up to its
// parents while none takes it.
void TurnWheelOver(QWidget* control)
{
    QWidget* under = control->childAt(control->rect().center());
    QWidget* target = under ? under : control;
    const QPoint at = target->rect().center();
    QWheelEvent down(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&down);
    QApplication::instance()->notify(target, &down);
}

} // namespace

// Scrolling past a quote's frequency list or the date picker changes
// neither; the rows scroll instead. The list the user works in still
// steps with the wheel.
void TestQuoteGrid::wheelPassesControlsWithoutTheFocus()
{
    window->LoadRowsUpTo(15);
    QComboBox* frequency = window->cboFrequency[1];
    Type(frequency, QStringLiteral("Monthly"));
    QWidget* focused = QApplication::focusWidget();
    const QDate nextPayment = window->dtNextPayment->date();
    window->SetScenarioChanged(false);

    TurnWheelOver(frequency);
    QCOMPARE(frequency->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(window->Quotes[1]->Frequency(), QStringLiteral("Monthly"));
    QVERIFY(window->vsbLoans->value() > 0);
    TurnWheelOver(window->dtNextPayment);
    QCOMPARE(window->dtNextPayment->date(), nextPayment);
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(!window->ScenarioChanged());

    window->vsbLoans->setValue(0);
    Enter(frequency);
    TurnWheelOver(frequency);
    QCOMPARE(window->Quotes[1]->Frequency(), QStringLiteral("Bimonthly"));
    QCOMPARE(window->vsbLoans->value(), 0);
}

void TestQuoteGrid::windowFollowsTheRowsShownAtOnce()
{
    const int p = RowHeight();
    const int sixRowsHigh = window->height();

    window->ProgramSettings().DisplayedUpperIndex = 2;
    window->RelayoutGrid();
    QTRY_COMPARE(window->height(), sixRowsHigh - 3 * p);
    QCOMPARE(window->picScroll->height(), 3 * p + 2);
    QCOMPARE(window->LoadedUpperIndex(), 5);
    QCOMPARE(window->vsbLoans->maximum(), 3 * p);
    QCOMPARE(window->vsbLoans->pageStep(), 3 * p);
    QVERIFY(window->isVisible());

    window->ProgramSettings().DisplayedUpperIndex = 8;
    window->RelayoutGrid();
    QTRY_COMPARE(window->height(), sixRowsHigh + 3 * p);
    QCOMPARE(window->LoadedUpperIndex(), 8);
    QCOMPARE(window->txtWho[8]->y(), 8 * p);
    QCOMPARE(window->vsbLoans->maximum(), 0);
    QVERIFY(!window->vsbLoans->isEnabled());
}

// The room of a larger window goes to the grid: whole rows up to the
// sixteenth, and the lender column; the sections around keep their size,
// and the window's own size brings the grid back as it was.
void TestQuoteGrid::largerWindowShowsMoreOfTheGrid()
{
    const int p = RowHeight();
    const QSize own = window->size();
    const int lender = window->txtWho[0]->width();
    const QSize newLoan = window->fraNewLoan->size();

    window->resize(own.width() + 300, own.height() + 3 * p + p / 2);
    QTRY_COMPARE(window->picScroll->height(), 9 * p + 2);
    QCOMPARE(window->LoadedUpperIndex(), 8);
    QCOMPARE(window->txtWho[8]->width(), lender + 300);
    QCOMPARE(window->lblWho->width(), window->txtWho[0]->width());
    QCOMPARE(window->vsbLoans->geometry().left(), window->picScroll->geometry().right() + 1);
    QCOMPARE(window->fraNewLoan->size(), newLoan);
    QCOMPARE(window->vsbLoans->maximum(), 0);

    window->resize(own.width(), own.height() + 30 * p);
    QTRY_COMPARE(window->LoadedUpperIndex(), 15);
    QCOMPARE(window->picScroll->height(), 16 * p + 2);

    window->resize(own);
    QTRY_COMPARE(window->picScroll->height(), 6 * p + 2);
    QCOMPARE(window->txtWho[0]->width(), lender);
    QCOMPARE(window->vsbLoans->maximum(), 10 * p);
}

void TestQuoteGrid::wallpaperThatFails_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("missing") << QByteArray() << "Wallpaper file " << " not found.";
    QTest::newRow("not a picture") << QByteArray("just some text") << "File " << " is not valid as wallpaper.";
}

void TestQuoteGrid::wallpaperThatFails()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("paper.bmp"));
    if (!content.isEmpty()) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    ReopenWithWallpaper(fileName);

    QVERIFY(window);
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{before + fileName + after});
    QCOMPARE(MessageBox::Recorded().constFirst().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(window->ProgramSettings().Wallpaper.isEmpty());
}

void TestQuoteGrid::wallpaperIsTiledBehindTheWindow()
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("paper.png"));
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 30));
    QVERIFY(picture.save(fileName));

    ReopenWithWallpaper(fileName);

    QVERIFY(window);
    QVERIFY(MessageBox::Recorded().isEmpty());
    const QImage shown = window->centralWidget()->grab().toImage();
    QCOMPARE(QColor(shown.pixel(2, 2)), QColor(10, 120, 30));
    QCOMPARE(QColor(shown.pixel(shown.width() - 3, shown.height() - 3)), QColor(10, 120, 30));
}

QTEST_MAIN(TestQuoteGrid)
#include "tst_quotegrid.moc"
