// The mouse on the quote rows. Dragging values between rows: what a drag
// carries, what the fields refuse while data is dragged over them, and what a
// drop writes into the quote the row shows, whether the text comes from a row
// or another program. The lender editor a double-click opens: the quote it
// edits after a sort, and what OK, Cancel and closing write.

#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/MessageBox.h"
#include "dialogs/dlgWho.h"
#include "engine/CLoan.h"
#include "sheet/QuoteDrag.h"

#include <QAction>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

using namespace QuoteSheet;

namespace {

// Drags the data over the receiver and drops it there, whether or not the
// receiver offered to take it; true when the drop was taken.
bool DropOn(QWidget* receiver, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction)
{
    const QPoint at = receiver->rect().center();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &enter);
    QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(receiver, &drop);
    return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

bool DropText(QWidget* receiver, const QString& text)
{
    QMimeData data;
    data.setText(text);
    return DropOn(receiver, data);
}

// Presses the left button on the source and moves the mouse the drag
// distance; the drag's text goes onto the target. What the drag carried, or
// nothing when no drag started.
std::optional<QString> Drag(QWidget* source, QWidget* target, int distance = QApplication::startDragDistance())
{
    std::optional<QString> carried;
    QuoteDrag::InterceptDrags([&](QDrag& drag) {
        carried = drag.mimeData()->text();
        return DropOn(target, *drag.mimeData()) ? Qt::CopyAction : Qt::IgnoreAction;
    });
    const QPoint start = source->rect().center();
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(source, start + QPoint(distance, 0));
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, start);
    QuoteDrag::InterceptDrags({});
    return carried;
}

} // namespace

class TestRowMouse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rateDraggedOntoAnotherRowAfterASort();
    void actualPaymentTravelsAsPlainNumber();
    void numbersPassTheFieldsRule_data();
    void numbersPassTheFieldsRule();
    void lenderTextTravelsWhole();
    void editorEditsTheQuoteTheRowShowsAfterASort();
    void editorWritesNothingUnlessChanged_data();
    void editorWritesNothingUnlessChanged();

private:
    dlgWho* OpenEditor(int d);
    CLoan& QuoteOf(int d) { return *window->Quotes[window->R(static_cast<quint16>(d))]; }

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};

void TestRowMouse::init()
{
    fresh.emplace();
    window = OpenWindow();
    QVERIFY(window);
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("30"));
}

void TestRowMouse::cleanup()
{
    window.reset();
    fresh.reset();
}

// Row 2 shows quote 0 once sorted; the drop lands there and recomputes the
// row. A click, or a move shorter than the drag distance, drags nothing.
void TestRowMouse::rateDraggedOntoAnotherRowAfterASort()
{
    TypeQuote(*window, 0, QStringLiteral("9"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 2, QStringLiteral("8"), QString(), QStringLiteral("Monthly"));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE((QList<quint16>{window->R(0), window->R(1), window->R(2)}), (QList<quint16>{1, 2, 0}));
    const QString payoffBefore = window->txtPayoffDate[2]->text();
    QVERIFY(!Drag(window->txtInterestRate[0], window->txtInterestRate[2], 1));

    QCOMPARE(Drag(window->txtInterestRate[0], window->txtInterestRate[2]), QStringLiteral("0.065"));
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.065);
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.08);
    QCOMPARE(window->txtInterestRate[2]->text(), QStringLiteral("6.500%"));
    QCOMPARE(window->txtPandI[2]->text(), window->txtPandI[0]->text());
    QCOMPARE(window->txtPayment[2]->text(), window->txtPayment[0]->text());
    // The actual payment the 9 % rate raised stays, and pays the loan off sooner.
    QVERIFY(window->txtPayoffDate[2]->text() != payoffBefore);
}

// Below the payment, a dropped actual payment is raised, as a typed one is.
void TestRowMouse::actualPaymentTravelsAsPlainNumber()
{
    TypeQuote(*window, 0, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6"), QString(), QStringLiteral("Monthly"));
    Type(window->txtActualPayment[0], QStringLiteral("1234.56"));
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$1,234.56"));
    QCOMPARE(Drag(window->txtActualPayment[0], window->txtActualPayment[1]), QStringLiteral("1234.56"));
    QCOMPARE(QuoteOf(1).ActualPayment(), Money::FromDouble(1234.56));
    QCOMPARE(window->txtActualPayment[1]->text(), QStringLiteral("$1,234.56"));
    QVERIFY(MessageBox::RecordedTexts().isEmpty());

    QVERIFY(DropText(window->txtActualPayment[1], QStringLiteral("100")));
    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{QStringLiteral("Actual payment cannot be less than calculated payment.")});
    QCOMPARE(window->txtActualPayment[1]->text(), window->txtPayment[1]->text());
}

void TestRowMouse::numbersPassTheFieldsRule_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("points, three decimals") << "txtPoints" << "1.234" << "1.234";
    QTest::newRow("points, four decimals") << "txtPoints" << "1.2345" << "";
    QTest::newRow("rate 6.125 % as a fraction") << "txtInterestRate" << "0.06125" << "6.125%";
    QTest::newRow("rate from elsewhere, as written") << "txtInterestRate" << "6.5" << "650.000%";
    QTest::newRow("rate, six decimals") << "txtInterestRate" << "0.065001" << "";
    QTest::newRow("payment, currency form") << "txtActualPayment" << "$1,234.56" << "";
    QTest::newRow("empty") << "txtPoints" << "" << "";
    QTest::newRow("letters") << "txtPoints" << "abc" << "";
    QTest::newRow("two separators") << "txtInterestRate" << "6.5.1" << "";
    QTest::newRow("control characters") << "txtInterestRate" << "0.0\a65\n" << "";
    QTest::newRow("10,000 digits") << "txtInterestRate" << QString(10000, QLatin1Char('9')) << "";
    QTest::newRow("10,000 digits of money") << "txtActualPayment" << QString(10000, QLatin1Char('9')) << "";
}

// Refused text stores nothing, shows nothing and says nothing.
void TestRowMouse::numbersPassTheFieldsRule()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    auto* target = window->findChild<QLineEdit*>(field + QStringLiteral("_3"));
    window->SetScenarioChanged(false);
    QCOMPARE(DropText(target, text), !shown.isEmpty());
    QCOMPARE(target->text(), shown);
    QCOMPARE(window->ScenarioChanged(), !shown.isEmpty());
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    // Copying is all the fields take; data without text is nothing to them.
    QMimeData data;
    data.setText(text);
    QVERIFY(!DropOn(target, data, Qt::MoveAction));
    data.setHtml(QStringLiteral("<b>1</b>"));
    data.removeFormat(QStringLiteral("text/plain"));
    QVERIFY(!DropOn(target, data));
}

void TestRowMouse::lenderTextTravelsWhole()
{
    const QString lender = QStringLiteral("First Federal\nAnn Smith\n555-0100");
    QVERIFY(DropText(window->txtWho[3]->viewport(), lender));
    QCOMPARE(QuoteOf(3).Who(), lender);
    QCOMPARE(Drag(window->txtWho[3]->viewport(), window->txtWho[5]->viewport()), lender);
    QCOMPARE(QuoteOf(5).Who(), lender);
    QCOMPARE(window->txtWho[5]->toPlainText(), lender);
    // Not while the grid is being arranged.
    window->setUpdatesEnabled(false);
    QVERIFY(!DropText(window->txtWho[4]->viewport(), lender));
    window->setUpdatesEnabled(true);
    QCOMPARE(QuoteOf(4).Who(), QString());
}

dlgWho* TestRowMouse::OpenEditor(int d)
{
    QTest::mouseDClick(window->txtWho[static_cast<std::size_t>(d)]->viewport(), Qt::LeftButton);
    auto* editor = window->findChild<dlgWho*>();
    if (!editor || !editor->isModal())
        return nullptr;
    // The offscreen platform has no window manager to activate a new window.
    QApplication::setActiveWindow(editor);
    return QTest::qWaitForWindowActive(editor) ? editor : nullptr;
}

// Several lines typed in the editor are stored whole; the row, one line
// high, shows the first. Tab goes OK, Cancel, the text.
void TestRowMouse::editorEditsTheQuoteTheRowShowsAfterASort()
{
    TypeQuote(*window, 0, QStringLiteral("9"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    Type(window->txtWho[0], QStringLiteral("Zeta Bank"));
    Type(window->txtWho[1], QStringLiteral("Alpha Credit"));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE(window->R(0), quint16(1));

    dlgWho* editor = OpenEditor(0);
    QVERIFY(editor);
    QCOMPARE((QStringList{editor->windowTitle(), editor->cmdOK->text(), editor->cmdCancel->text()}),
             (QStringList{"Who", "OK", "Cancel"}));
    QCOMPARE(editor->txtWho->toPlainText(), QStringLiteral("Alpha Credit"));
    for (QWidget* next : {static_cast<QWidget*>(editor->cmdOK), static_cast<QWidget*>(editor->cmdCancel),
                          static_cast<QWidget*>(editor->txtWho)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(editor->txtWho, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor->txtWho, Qt::Key_Return);
    QTest::keyClicks(editor->txtWho, QStringLiteral("Ann Smith 555-0100"));
    QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<dlgWho*>());

    const QString whole = QStringLiteral("Alpha Credit\nAnn Smith 555-0100");
    QCOMPARE(window->Quotes[1]->Who(), whole);
    QCOMPARE(window->Quotes[0]->Who(), QStringLiteral("Zeta Bank"));
    QCOMPARE(window->txtWho[0]->toPlainText(), whole);
    QCOMPARE(window->txtWho[0]->textCursor().blockNumber(), 0);
    QVERIFY(window->ScenarioChanged());
}

void TestRowMouse::editorWritesNothingUnlessChanged_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK unchanged") << "OK";
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close";
}

void TestRowMouse::editorWritesNothingUnlessChanged()
{
    QFETCH(QString, how);
    window->mnuToolsLanguageOpt[2]->trigger();
    Type(window->txtWho[2], QStringLiteral("Kept Bank"));
    window->SetScenarioChanged(false);
    dlgWho* editor = OpenEditor(2);
    QVERIFY(editor);
    QCOMPARE((QStringList{editor->windowTitle(), editor->cmdOK->text(), editor->cmdCancel->text()}),
             (QStringList{"Quien", "Correcto", "Cancelar"}));
    QCOMPARE(editor->txtWho->toPlainText(), QStringLiteral("Kept Bank"));
    if (how != QStringLiteral("OK"))
        QTest::keyClicks(editor->txtWho, QStringLiteral("Other"));
    if (how == QStringLiteral("OK"))
        QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    else if (how == QStringLiteral("Cancel"))
        QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
    else if (how == QStringLiteral("Escape"))
        QTest::keyClick(editor->txtWho, Qt::Key_Escape);
    else
        editor->close();
    QTRY_VERIFY(!window->findChild<dlgWho*>());
    QCOMPARE(window->Quotes[window->R(2)]->Who(), QStringLiteral("Kept Bank"));
    QCOMPARE(window->txtWho[2]->toPlainText(), QStringLiteral("Kept Bank"));
    QVERIFY(!window->ScenarioChanged());
}

QTEST_MAIN(TestRowMouse)
#include "tst_rowmouse.moc"
