// Edit > Undo and Redo through the window: each thing the user does is one
// step with everything it raised, named after it in the bound language; the
// saved state leaves nothing unsaved; loading starts a new history; typing in
// a field is undone there first. The quote rows' own commands on their
// context menus.

#include "tests/app/WindowTest.h"
#include "UserInput.h"

#include "app/Language.h"
#include "app/MessageBox.h"
#include "engine/CLoan.h"
#include "store/RegistryAPI.h"
#include "store/Settings.h"
#include "sheet/QuoteDrag.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void Key(QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence(key)[0];
    QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
}

void Redo()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
}

void TypeName(Loan& window, const QString& name)
{
    window.cboLoanName->setFocus();
    window.cboLoanName->lineEdit()->selectAll();
    TypeText(window.cboLoanName, name);
    QTest::keyClick(window.cboLoanName, Qt::Key_Tab);
}

// A 30-year monthly quote at the rate, paying the payment.
void TypeQuote(Loan& window, int d, const QString& rate, const QString& payment)
{
    const auto row = static_cast<std::size_t>(d);
    QVERIFY(PickFrom(window.cboFrequency[row], QStringLiteral("Monthly")));
    TypeInto(window.txtTerm[row], QStringLiteral("30"));
    TypeInto(window.txtInterestRate[row], rate);
    if (!payment.isEmpty())
        TypeInto(window.txtActualPayment[row], payment);
}

// Takes the entry from the context menu once it is open, or closes a menu
// without it; true when the entry was taken.
bool TakeFromOpenMenu(const QString& entry)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text() == entry) {
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            return true;
        }
    }
    menu->close();
    return false;
}

// Asks the field for its context menu, as a right click does, and takes the
// entry from the menu that opens.
void ChooseFromMenu(QWidget* field, const QString& entry)
{
    bool chosen = false;
    QTimer chooser;
    chooser.setInterval(10);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (QApplication::activePopupWidget()) {
            chooser.stop();
            chosen = TakeFromOpenMenu(entry);
        }
    });
    chooser.start();
    const QPoint at = field->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &rightClick);
    chooser.stop();
    QVERIFY2(chosen, qPrintable(entry));
}

} // namespace

class TestHistory : public WindowTest
{
    Q_OBJECT

private slots:
    void typoInTheLoanAmountIsUndoneWithAllItRaised();
    void eachActionIsOneNamedStep();
    void undoingToTheSavedStateLeavesNothingUnsaved();
    void loadingStartsANewHistory();
    void typingInAFieldIsUndoneThereFirst();
    void rowCommandsClearAndCopyAQuote();

private:
    void BeforeWindow() override;
    QString UndoText() const { return window->mnuEditUndo->text(); }
};

void TestHistory::BeforeWindow()
{
    RegistryAPI::CreateKey(RegistryAPI::Root::CurrentUser, Settings::ProgramKey);
}

void TestHistory::typoInTheLoanAmountIsUndoneWithAllItRaised()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("350000"));
    TypeQuote(*window, 0, QStringLiteral("6.5"), QStringLiteral("2500"));
    TypeQuote(*window, 1, QStringLiteral("6"), QStringLiteral("2400"));
    window->mnuFileSave->trigger();
    window.reset();
    OpenWindow();
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));
    const QString payoff = window->txtPayoffDate[0]->text();
    QVERIFY(!window->mnuEditUndo->isEnabled());

    TypeInto(window->txtLoanAmount, QStringLiteral("3500000"));
    QVERIFY(window->Quotes[0]->ActualPayment() > Money::FromDouble(20000));
    QVERIFY(window->Quotes[1]->ActualPayment() > Money::FromDouble(20000));
    QCOMPARE(UndoText(), QStringLiteral("&Undo Loan Amount"));

    Key(QKeySequence::Undo);
    QCOMPARE(window->LoanAmount(), Money::FromDouble(350000));
    QCOMPARE(window->txtLoanAmount->text(), QStringLiteral("$350,000.00"));
    QCOMPARE(window->Quotes[0]->ActualPayment(), Money::FromDouble(2500));
    QCOMPARE(window->Quotes[1]->ActualPayment(), Money::FromDouble(2400));
    QCOMPARE(window->txtActualPayment[1]->text(), QStringLiteral("$2,400.00"));
    QCOMPARE(window->txtPayoffDate[0]->text(), payoff);
    QVERIFY(!window->ScenarioChanged());
    QVERIFY(!window->isWindowModified());

    Redo();
    QCOMPARE(window->LoanAmount(), Money::FromDouble(3500000));
    QVERIFY(window->Quotes[0]->ActualPayment() > Money::FromDouble(20000));
    QVERIFY(window->ScenarioChanged());
}

// A rate that brings the default term, a drag and a lender edit: one step
// each; a sort changes no value and is none.
void TestHistory::eachActionIsOneNamedStep()
{
    TypeInto(window->txtLoanTerm, QStringLiteral("30"));
    QVERIFY(PickFrom(window->cboFrequency[0], QStringLiteral("Monthly")));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6.5"));
    QCOMPARE(window->Quotes[0]->Term(), 360);
    QCOMPARE(UndoText(), QStringLiteral("&Undo Interest rate"));

    QuoteDrag::InterceptDrags([this](QDrag& drag) {
        QWidget* target = window->txtInterestRate[2];
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return Qt::CopyAction;
    });
    QWidget* source = window->txtInterestRate[0];
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, source->rect().center());
    QTest::mouseMove(source, source->rect().center() + QPoint(QApplication::startDragDistance() + 2, 0));
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, source->rect().center());
    QuoteDrag::InterceptDrags({});
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.065);
    QCOMPARE(UndoText(), QStringLiteral("&Undo Drag between rows"));

    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE(UndoText(), QStringLiteral("&Undo Drag between rows"));

    QPlainTextEdit* lender = window->txtWho[3];
    QTest::mouseClick(lender->viewport(), Qt::LeftButton);
    QTest::keyClicks(lender, QStringLiteral("Harbor Bank"));
    QTest::keyClick(lender, Qt::Key_Tab);
    QCOMPARE(UndoText(), QStringLiteral("&Undo Lender"));
    Key(QKeySequence::Undo);
    QCOMPARE(lender->toPlainText(), QString());
    QVERIFY(std::all_of(window->Quotes.begin(), window->Quotes.end(),
                        [](const auto& quote) { return quote->Who().isEmpty(); }));
    Key(QKeySequence::Undo);
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.0);
    QCOMPARE(window->Quotes[2]->Term(), 0);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.065);
    QCOMPARE(window->mnuEditRedo->text(), QStringLiteral("&Redo Drag between rows"));

    Key(QKeySequence::Undo);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.0);
    QCOMPARE(window->Quotes[0]->Term(), 0);
    QCOMPARE(window->txtInterestRate[0]->text(), QString());
    QCOMPARE(window->txtPayment[0]->text(), QString());

    window->mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Deshacer Frecuencia"));
    QCOMPARE(window->mnuEditRedo->text(), QStringLiteral("&Rehacer Tasa de interés"));
}

void TestHistory::undoingToTheSavedStateLeavesNothingUnsaved()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Loan[*]"));
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Casa \u2014 Loan[*]"));
    QVERIFY(window->isWindowModified());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window->isWindowModified());

    TypeInto(window->txtAnnualTaxes, QStringLiteral("2400"));
    QVERIFY(window->isWindowModified());
    Key(QKeySequence::Undo);
    QCOMPARE(window->EscrowTaxes(), Money());
    QCOMPARE(window->txtMonthlyEscrow->text(), QString());
    QVERIFY(!window->isWindowModified());
    QVERIFY(!window->ScenarioChanged());

    // Back before the save: the scenario differs from what is saved.
    Key(QKeySequence::Undo);
    QCOMPARE(window->LoanAmount(), Money());
    QVERIFY(window->ScenarioChanged());
    QVERIFY(window->isWindowModified());
}

void TestHistory::loadingStartsANewHistory()
{
    TypeName(*window, QStringLiteral("Casa"));
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    window->mnuFileSave->trigger();
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    QVERIFY(window->mnuEditUndo->isEnabled());

    MessageBox::Intercept({QMessageBox::No, QMessageBox::No});
    window->mnuFileNew->trigger();
    QVERIFY(!window->mnuEditUndo->isEnabled());
    QCOMPARE(UndoText(), QStringLiteral("&Undo"));
    QVERIFY(!window->isWindowModified());

    TypeInto(window->txtLoanAmount, QStringLiteral("90000"));
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));
    QCOMPARE(window->LoanAmount(), Money::FromDouble(150000));
    QVERIFY(!window->mnuEditUndo->isEnabled());
}

// Ctrl+Z takes back what was typed into the field; with nothing typed there,
// it takes back the last step.
void TestHistory::typingInAFieldIsUndoneThereFirst()
{
    TypeInto(window->txtLoanAmount, QStringLiteral("150000"));
    QTest::mouseClick(window->txtAnnualTaxes, Qt::LeftButton);
    QTest::keyClicks(window->txtAnnualTaxes, QStringLiteral("12"));
    Key(QKeySequence::Undo);
    QCOMPARE(window->txtAnnualTaxes->text(), QString());
    QCOMPARE(window->LoanAmount(), Money::FromDouble(150000));

    Key(QKeySequence::Undo);
    QCOMPARE(window->LoanAmount(), Money());
    QCOMPARE(window->txtLoanAmount->text(), QString());
}

void TestHistory::rowCommandsClearAndCopyAQuote()
{
    TypeInto(window->txtLoanAmount, QStringLiteral("200000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QString());
    TypeInto(window->txtPoints[0], QStringLiteral("1.5"));
    QTest::mouseClick(window->txtWho[0]->viewport(), Qt::LeftButton);
    QTest::keyClicks(window->txtWho[0], QStringLiteral("Harbor Bank"));
    QTest::keyClick(window->txtWho[0], Qt::Key_Tab);
    TypeInto(window->txtInterestRate[1], QStringLiteral("7"));

    ChooseFromMenu(window->txtPayoffDate[0], QStringLiteral("Copy quote to the next empty row"));
    CLoan& copy = *window->Quotes[2];
    QCOMPARE(copy.InterestRate(), 0.06);
    QCOMPARE(copy.Term(), 360);
    QCOMPARE(copy.Points(), 1.5);
    QCOMPARE(copy.Who(), QStringLiteral("Harbor Bank"));
    QCOMPARE(copy.ActualPayment(), window->Quotes[0]->ActualPayment());
    QCOMPARE(window->txtPayment[2]->text(), window->txtPayment[0]->text());
    QCOMPARE(window->cboFrequency[2]->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(QApplication::focusWidget(), window->txtInterestRate[2]);
    QCOMPARE(UndoText(), QStringLiteral("&Undo Copy quote to the next empty row"));

    ChooseFromMenu(window->cboFrequency[0]->lineEdit(), QStringLiteral("Clear quote"));
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.0);
    QCOMPARE(window->Quotes[0]->Who(), QString());
    QCOMPARE(window->txtWho[0]->toPlainText(), QString());
    QCOMPARE(window->txtInterestRate[0]->text(), QString());
    QCOMPARE(window->cboFrequency[0]->currentText(), QString());
    Key(QKeySequence::Undo);
    QCOMPARE(window->Quotes[0]->Who(), QStringLiteral("Harbor Bank"));
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("6.000%"));
    Key(QKeySequence::Undo);
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.0);
    QCOMPARE(window->txtWho[2]->toPlainText(), QString());

    // With every row holding a quote, the copy says so and changes nothing.
    for (int d = 2; d <= window->LoadedUpperIndex(); ++d)
        TypeInto(window->txtPoints[static_cast<std::size_t>(d)], QStringLiteral("1"));
    const int rows = window->LoadedUpperIndex();
    MessageBox::ClearRecorded();
    ChooseFromMenu(window->txtWho[0]->viewport(), QStringLiteral("Copy quote to the next empty row"));
    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{"Every row of the sheet holds a quote: there is no empty row to copy it into."});
    QCOMPARE(window->LoadedUpperIndex(), rows);
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
