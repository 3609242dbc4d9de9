// The lender and contact editor opened by a double-click on a quote row's
// lender field: which quote it edits after a sort, what OK, Cancel and
// closing do to the quote, the row and the unsaved-changes flag, and its
// texts and tab order in both languages.

#include "FreshStart.h"
#include "QuoteSheet.h"

#include "dialogs/dlgWho.h"
#include "engine/CLoan.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <optional>

using namespace QuoteSheet;

class TestWhoEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editsTheQuoteTheRowShowsAfterASort();
    void okWithTheTextUnchangedChangesNothing();
    void cancelAndClosingWriteNothing_data();
    void cancelAndClosingWriteNothing();
    void opensOnTextStillBeingTyped();
    void singleClickOpensNothing();
    void textsAndTabOrder_data();
    void textsAndTabOrder();

private:
    dlgWho* OpenEditor(int d);
    CLoan& QuoteOf(int d) { return *window->Quotes[window->R(static_cast<quint16>(d))]; }

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};

void TestWhoEditor::init()
{
    fresh.emplace();
    window = OpenWindow();
    QVERIFY(window);
}

void TestWhoEditor::cleanup()
{
    window.reset();
    fresh.reset();
}

dlgWho* TestWhoEditor::OpenEditor(int d)
{
    QTest::mouseDClick(window->txtWho[static_cast<std::size_t>(d)]->viewport(), Qt::LeftButton);
    auto* editor = window->findChild<dlgWho*>();
    if (!editor || !editor->isVisible() || !editor->isModal())
        return nullptr;
    // The offscreen platform has no window manager to activate a new window.
    QApplication::setActiveWindow(editor);
    return QTest::qWaitForWindowActive(editor) ? editor : nullptr;
}

void TestWhoEditor::editsTheQuoteTheRowShowsAfterASort()
{
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("30"));
    TypeQuote(*window, 0, QStringLiteral("9"), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    Type(window->txtWho[0], QStringLiteral("Zeta Bank"));
    Type(window->txtWho[1], QStringLiteral("Alpha Credit"));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE(window->R(0), quint16(1));
    QCOMPARE(window->txtWho[0]->toPlainText(), QStringLiteral("Alpha Credit"));

    dlgWho* editor = OpenEditor(0);
    QVERIFY(editor);
    QCOMPARE(editor->txtWho->toPlainText(), QStringLiteral("Alpha Credit"));
    QCOMPARE(QApplication::focusWidget(), editor->txtWho);
    QTest::keyClick(editor->txtWho, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor->txtWho, Qt::Key_Return);
    QTest::keyClicks(editor->txtWho, QStringLiteral("Ann Smith"));
    QTest::keyClick(editor->txtWho, Qt::Key_Return);
    QTest::keyClicks(editor->txtWho, QStringLiteral("555-0100"));
    QVERIFY(editor->isVisible());
    QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<dlgWho*>());

    const QString whole = QStringLiteral("Alpha Credit\nAnn Smith\n555-0100");
    QCOMPARE(window->Quotes[1]->Who(), whole);
    QCOMPARE(window->Quotes[0]->Who(), QStringLiteral("Zeta Bank"));
    QCOMPARE(window->txtWho[0]->toPlainText(), whole);
    QCOMPARE(window->txtWho[1]->toPlainText(), QStringLiteral("Zeta Bank"));
    // One line high, the row shows the first line.
    QCOMPARE(window->txtWho[0]->verticalScrollBar()->value(), 0);
    QCOMPARE(window->txtWho[0]->textCursor().blockNumber(), 0);
    QVERIFY(window->ScenarioChanged());
}

void TestWhoEditor::okWithTheTextUnchangedChangesNothing()
{
    QuoteOf(2).SetWho(QStringLiteral("First Federal\nJo"));
    window->ShowWho(2);
    window->SetScenarioChanged(false);
    dlgWho* editor = OpenEditor(2);
    QVERIFY(editor);
    QCOMPARE(editor->txtWho->toPlainText(), QStringLiteral("First Federal\nJo"));
    QTest::mouseClick(editor->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<dlgWho*>());
    QVERIFY(!window->ScenarioChanged());
    QCOMPARE(QuoteOf(2).Who(), QStringLiteral("First Federal\nJo"));
}

void TestWhoEditor::cancelAndClosingWriteNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << QStringLiteral("Cancel");
    QTest::newRow("Escape") << QStringLiteral("Escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TestWhoEditor::cancelAndClosingWriteNothing()
{
    QFETCH(QString, how);
    Type(window->txtWho[1], QStringLiteral("Kept Bank"));
    window->SetScenarioChanged(false);
    dlgWho* editor = OpenEditor(1);
    QVERIFY(editor);
    QTest::keyClick(editor->txtWho, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor->txtWho, QStringLiteral("Other Bank"));
    if (how == QStringLiteral("Cancel"))
        QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
    else if (how == QStringLiteral("Escape"))
        QTest::keyClick(editor->txtWho, Qt::Key_Escape);
    else
        editor->close();
    QTRY_VERIFY(!window->findChild<dlgWho*>());
    QCOMPARE(QuoteOf(1).Who(), QStringLiteral("Kept Bank"));
    QCOMPARE(window->txtWho[1]->toPlainText(), QStringLiteral("Kept Bank"));
    QVERIFY(!window->ScenarioChanged());
}

void TestWhoEditor::opensOnTextStillBeingTyped()
{
    Enter(window->txtWho[3]);
    QTest::keyClicks(window->txtWho[3], QStringLiteral("Beta Savings"));
    dlgWho* editor = OpenEditor(3);
    QVERIFY(editor);
    QCOMPARE(editor->txtWho->toPlainText(), QStringLiteral("Beta Savings"));
    QCOMPARE(QuoteOf(3).Who(), QStringLiteral("Beta Savings"));
    QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
}

void TestWhoEditor::singleClickOpensNothing()
{
    QuoteOf(0).SetWho(QStringLiteral("Gamma Loans"));
    window->ShowWho(0);
    QTest::mouseClick(window->txtWho[0]->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QVERIFY(!window->findChild<dlgWho*>());
    QCOMPARE(QApplication::focusWidget(), window->txtWho[0]);
    QVERIFY(window->txtWho[0]->textCursor().position() > 0);
}

void TestWhoEditor::textsAndTabOrder_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << 1 << QStringList{"Who", "OK", "Cancel"};
    QTest::newRow("Spanish") << 2 << QStringList{"Quien", "Correcto", "Cancelar"};
}

void TestWhoEditor::textsAndTabOrder()
{
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    window->mnuToolsLanguageOpt[language]->trigger();
    dlgWho* editor = OpenEditor(0);
    QVERIFY(editor);
    QCOMPARE((QStringList{editor->windowTitle(), editor->cmdOK->text(), editor->cmdCancel->text()}), texts);
    QCOMPARE(QApplication::focusWidget(), editor->txtWho);
    QTest::keyClick(editor->txtWho, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor->cmdOK);
    QTest::keyClick(editor->cmdOK, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor->cmdCancel);
    QTest::keyClick(editor->cmdCancel, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), editor->txtWho);
    QTest::keyClick(editor->txtWho, Qt::Key_Escape);
}

QTEST_MAIN(TestWhoEditor)
#include "tst_whoeditor.moc"
