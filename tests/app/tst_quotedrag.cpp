// Dragging values between quote rows: what a drag from each of the four
// fields carries, what the fields take and refuse while data is dragged over
// them, and what a drop writes into the quote the row shows, whether the
// text comes from another row or from another program.

#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/MessageBox.h"
#include "dialogs/frmOptions.h"
#include "engine/CLoan.h"
#include "sheet/QuoteDrag.h"

#include <QAction>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace QuoteSheet;

namespace {

struct Dropped
{
    bool offered;
    bool taken;
};

// Drags the data over the receiver and drops it there, whether or not the
// receiver offered to take it, as a careless program might.
Dropped DropOn(QWidget* receiver, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction)
{
    const QPoint at = receiver->rect().center();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(receiver, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    move.ignore();
    QCoreApplication::sendEvent(receiver, &move);
    QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(receiver, &drop);
    return {enter.isAccepted() && move.isAccepted(), drop.isAccepted() && drop.dropAction() == Qt::CopyAction};
}

Dropped DropText(QWidget* receiver, const QString& text)
{
    QMimeData data;
    data.setText(text);
    return DropOn(receiver, data);
}

} // namespace

class TestQuoteDrag : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rateDraggedOntoAnotherRowAfterASort();
    void clickAndSmallMovesStartNoDrag();
    void actualPaymentTravelsAsPlainNumber();
    void droppedPaymentBelowThePaymentIsRaised();
    void pointsTakeThreeDecimals_data();
    void pointsTakeThreeDecimals();
    void rateTakesItsFractionAsWritten_data();
    void rateTakesItsFractionAsWritten();
    void badTextIsRefused_data();
    void badTextIsRefused();
    void lenderTextTravelsWhole();
    void noDropWhileTheWindowCannotTakeOne();

private:
    // Presses the left button on the receiver and moves the mouse the drag
    // distance; what the drag carried, or nothing when none started.
    std::optional<QString> DragFrom(QWidget* receiver, const std::function<void(const QMimeData&)>& drop = {});
    void TypeLoan();
    CLoan& QuoteOf(int d) { return *window->Quotes[window->R(static_cast<quint16>(d))]; }

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};

void TestQuoteDrag::init()
{
    fresh.emplace();
    window = OpenWindow();
    QVERIFY(window);
}

void TestQuoteDrag::cleanup()
{
    QuoteDrag::InterceptDrags({});
    window.reset();
    fresh.reset();
}

std::optional<QString> TestQuoteDrag::DragFrom(QWidget* receiver,
                                                const std::function<void(const QMimeData&)>& drop)
{
    std::optional<QString> carried;
    QuoteDrag::InterceptDrags([&](QDrag& drag) {
        carried = drag.mimeData()->text();
        if (drop)
            drop(*drag.mimeData());
        return Qt::CopyAction;
    });
    const QPoint start = receiver->rect().center();
    QTest::mousePress(receiver, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(receiver, start + QPoint(QApplication::startDragDistance() + 1, 0));
    QTest::mouseRelease(receiver, Qt::LeftButton, Qt::NoModifier, start);
    QuoteDrag::InterceptDrags({});
    return carried;
}

void TestQuoteDrag::TypeLoan()
{
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("30"));
}

// Row 2 shows another quote than its own once sorted; the drop lands in
// that one and recomputes its row.
void TestQuoteDrag::rateDraggedOntoAnotherRowAfterASort()
{
    TypeLoan();
    TypeQuote(*window, 0, QStringLiteral("9"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 2, QStringLiteral("8"), QString(), QStringLiteral("Monthly"));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE((QList<quint16>{window->R(0), window->R(1), window->R(2)}), (QList<quint16>{1, 2, 0}));
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("6.500%"));
    const QString payoffBefore = window->txtPayoffDate[2]->text();
    const QString interestBefore = window->txtInterest[2]->text();

    const std::optional<QString> carried = DragFrom(window->txtInterestRate[0], [this](const QMimeData& data) {
        QVERIFY(DropOn(window->txtInterestRate[2], data).taken);
    });
    QCOMPARE(carried, QStringLiteral("0.065"));
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.065);
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.08);
    QCOMPARE(window->txtInterestRate[2]->text(), QStringLiteral("6.500%"));
    QVERIFY(!window->txtPandI[2]->text().isEmpty());
    QCOMPARE(window->txtPandI[2]->text(), window->txtPandI[0]->text());
    QCOMPARE(window->txtPayment[2]->text(), window->txtPayment[0]->text());
    // The actual payment the 9 % rate raised stays: the loan is paid off sooner.
    QVERIFY(window->txtPayoffDate[2]->text() != payoffBefore);
    QVERIFY(window->txtInterest[2]->text() != interestBefore);
    QVERIFY(window->ScenarioChanged());
}

void TestQuoteDrag::clickAndSmallMovesStartNoDrag()
{
    Type(window->txtPoints[1], QStringLiteral("1.25"));
    bool started = false;
    QuoteDrag::InterceptDrags([&](QDrag&) {
        started = true;
        return Qt::CopyAction;
    });
    QLineEdit* field = window->txtPoints[1];
    const QPoint start = field->rect().center();
    QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(field, start + QPoint(QApplication::startDragDistance() - 1, 0));
    QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mousePress(field, Qt::RightButton, Qt::NoModifier, start);
    QTest::mouseMove(field, start + QPoint(3 * QApplication::startDragDistance(), 0));
    QTest::mouseRelease(field, Qt::RightButton, Qt::NoModifier, start);
    QVERIFY(!started);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->text(), QStringLiteral("1.25"));
}

void TestQuoteDrag::actualPaymentTravelsAsPlainNumber()
{
    TypeLoan();
    TypeQuote(*window, 0, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6"), QString(), QStringLiteral("Monthly"));
    Type(window->txtActualPayment[0], QStringLiteral("1234.56"));
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$1,234.56"));
    const QString payoffBefore = window->txtPayoffDate[1]->text();

    const std::optional<QString> carried = DragFrom(window->txtActualPayment[0], [this](const QMimeData& data) {
        QVERIFY(DropOn(window->txtActualPayment[1], data).taken);
    });
    QCOMPARE(carried, QStringLiteral("1234.56"));
    QCOMPARE(QuoteOf(1).ActualPayment(), Money::FromDouble(1234.56));
    QCOMPARE(window->txtActualPayment[1]->text(), QStringLiteral("$1,234.56"));
    QVERIFY(window->txtPayoffDate[1]->text() != payoffBefore);
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    // The currency form itself is no number a field takes.
    QVERIFY(!DropText(window->txtActualPayment[2], QStringLiteral("$1,234.56")).offered);
}

void TestQuoteDrag::droppedPaymentBelowThePaymentIsRaised()
{
    TypeLoan();
    TypeQuote(*window, 1, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    QVERIFY(DropText(window->txtActualPayment[1], QStringLiteral("100")).taken);
    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{QStringLiteral("Actual payment cannot be less than calculated payment.")});
    QCOMPARE(QuoteOf(1).ActualPayment(), QuoteOf(1).Payment());
    QCOMPARE(window->txtActualPayment[1]->text(), window->txtPayment[1]->text());
}

void TestQuoteDrag::pointsTakeThreeDecimals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three") << "1.234" << true << "1.234";
    QTest::newRow("four") << "1.2345" << false << "";
    QTest::newRow("below one") << "0.5" << true << ".500";
}

void TestQuoteDrag::pointsTakeThreeDecimals()
{
    QFETCH(QString, text);
    QFETCH(bool, taken);
    QFETCH(QString, shown);
    const Dropped dropped = DropText(window->txtPoints[3], text);
    QCOMPARE(dropped.offered, taken);
    QCOMPARE(dropped.taken, taken);
    QCOMPARE(QuoteOf(3).Points(), taken ? text.toDouble() : 0.0);
    QCOMPARE(window->txtPoints[3]->text(), shown);
}

void TestQuoteDrag::rateTakesItsFractionAsWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("shown");
    QTest::newRow("6.25 %") << "0.0625" << 0.0625 << "6.250%";
    QTest::newRow("6.125 %") << "0.06125" << 0.06125 << "6.125%";
    QTest::newRow("6.5 from elsewhere") << "6.5" << 6.5 << "650.000%";
    QTest::newRow("six decimals") << "0.065001" << 0.0 << "";
}

// A rate travels as its fraction, so a percentage with three decimals has
// five; a number from another program is the fraction it says.
void TestQuoteDrag::rateTakesItsFractionAsWritten()
{
    QFETCH(QString, text);
    QFETCH(double, rate);
    QFETCH(QString, shown);
    TypeLoan();
    Type(window->cboFrequency[4], QStringLiteral("Monthly"));
    QCOMPARE(DropText(window->txtInterestRate[4], text).taken, rate != 0);
    QCOMPARE(QuoteOf(4).InterestRate(), rate);
    QCOMPARE(window->txtInterestRate[4]->text(), shown);
    // A rate brings the window's default term with it.
    QCOMPARE(QuoteOf(4).Term(), rate != 0 ? 360 : 0);
}

void TestQuoteDrag::badTextIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasText");
    QTest::newRow("no text") << QString() << false;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("letters") << "abc" << true;
    QTest::newRow("two separators") << "6.5.1" << true;
    QTest::newRow("group separator") << "1,000" << true;
    QTest::newRow("blank") << " 0.065" << true;
    QTest::newRow("line end") << "0.065\n" << true;
    QTest::newRow("control character") << QStringLiteral("0.0\a65") << true;
    QTest::newRow("10,000 digits") << QString(10000, QLatin1Char('9')) << true;
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('x')) << true;
}

void TestQuoteDrag::badTextIsRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, hasText);
    TypeLoan();
    TypeQuote(*window, 1, QStringLiteral("7"), QString(), QStringLiteral("Monthly"));
    window->SetScenarioChanged(false);
    const Money actualBefore = QuoteOf(1).ActualPayment();
    QMimeData data;
    if (hasText)
        data.setText(text);
    else
        data.setHtml(QStringLiteral("<b>0.065</b>"));
    for (QWidget* field : {static_cast<QWidget*>(window->txtInterestRate[1]),
                           static_cast<QWidget*>(window->txtPoints[1]),
                           static_cast<QWidget*>(window->txtActualPayment[1])}) {
        const Dropped dropped = DropOn(field, data);
        QVERIFY2(!dropped.offered && !dropped.taken, qPrintable(field->objectName()));
    }
    QCOMPARE(QuoteOf(1).InterestRate(), 0.07);
    QCOMPARE(window->txtInterestRate[1]->text(), QStringLiteral("7.000%"));
    QCOMPARE(QuoteOf(1).Points(), 0.0);
    QCOMPARE(QuoteOf(1).ActualPayment(), actualBefore);
    QVERIFY(!window->ScenarioChanged());
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    // A copy is all these fields take.
    QMimeData good;
    good.setText(QStringLiteral("0.065"));
    QVERIFY(!DropOn(window->txtInterestRate[1], good, Qt::MoveAction).offered);
}

void TestQuoteDrag::lenderTextTravelsWhole()
{
    const QString lender = QStringLiteral("First Federal\nAnn Smith\n555-0100");
    const Dropped dropped = DropText(window->txtWho[3]->viewport(), lender);
    QVERIFY(dropped.offered && dropped.taken);
    QCOMPARE(QuoteOf(3).Who(), lender);
    QVERIFY(window->ScenarioChanged());

    const std::optional<QString> carried = DragFrom(window->txtWho[3]->viewport(), [this](const QMimeData& data) {
        QVERIFY(DropOn(window->txtWho[5]->viewport(), data).taken);
    });
    QCOMPARE(carried, lender);
    QCOMPARE(QuoteOf(5).Who(), lender);
    QCOMPARE(window->txtWho[5]->toPlainText(), lender);

    // Any text, however long, is a lender's text; data without text is not.
    const QString longText(10000, QLatin1Char('w'));
    QVERIFY(DropText(window->txtWho[4]->viewport(), longText).taken);
    QCOMPARE(QuoteOf(4).Who(), longText);
    QMimeData noText;
    noText.setHtml(QStringLiteral("<i>x</i>"));
    QVERIFY(!DropOn(window->txtWho[4]->viewport(), noText).offered);
    QCOMPARE(QuoteOf(4).Who(), longText);
}

// Under an open dialog, or while the grid is being arranged, the rows take
// nothing.
void TestQuoteDrag::noDropWhileTheWindowCannotTakeOne()
{
    window->mnuToolsOptions->trigger();
    auto* options = window->findChild<frmOptions*>();
    QVERIFY(options && options->isVisible());
    QVERIFY(!DropText(window->txtPoints[0], QStringLiteral("1.5")).offered);
    QVERIFY(!DropText(window->txtWho[0]->viewport(), QStringLiteral("Bank")).taken);
    QTest::mouseClick(options->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<frmOptions*>());

    window->setUpdatesEnabled(false);
    QVERIFY(!DropText(window->txtPoints[0], QStringLiteral("1.5")).taken);
    window->setUpdatesEnabled(true);
    QCOMPARE(QuoteOf(0).Points(), 0.0);
    QCOMPARE(QuoteOf(0).Who(), QString());
    QVERIFY(DropText(window->txtPoints[0], QStringLiteral("1.5")).taken);
    QCOMPARE(QuoteOf(0).Points(), 1.5);
}

QTEST_MAIN(TestQuoteDrag)
#include "tst_quotedrag.moc"
