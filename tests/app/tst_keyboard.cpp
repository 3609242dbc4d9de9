// The whole job without a mouse: the loan and three quotes typed field after
// field with Tab, the sort and the costs window chosen from the menus by
// their mnemonics, a closing cost and the horizon changed there, the
// scenario saved and the comparison exported to PDF. Every key goes to the
// widget that has the focus; only the file dialog is answered by the test.

#include "tests/app/WindowTest.h"

#include "app/MessageBox.h"
#include "dialogs/frmCosts.h"
#include "model/CostsTable.h"
#include "model/ScenarioStore.h"
#include "print/PrintDialogs.h"
#include "print/frmPrint.h"

#include <QDateEdit>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QWidget* Focused()
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && qobject_cast<QComboBox*>(focused->parentWidget()))
        return focused->parentWidget();
    return focused;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Key by key to whatever has the focus: the first key may open an editor
// that takes the rest.
void Type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// Types the text where the focus is, then Tab.
void TypeAndTab(const QString& text)
{
    Type(text);
    Press(Qt::Key_Tab);
}

// Alt and the menu's letter, then the entry's letter in the open menu.
bool Choose(Qt::Key menu, Qt::Key entry)
{
    Press(menu, Qt::AltModifier);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
        return false;
    QTest::keyClick(QApplication::activePopupWidget(), entry);
    return QApplication::activePopupWidget() == nullptr;
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return process.waitForFinished(20000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace

class TestKeyboard : public WindowTest
{
    Q_OBJECT

private slots:
    void wholeJobWithoutAMouse();

private:
    void AfterWindow() override { PrintDialogs::Intercept(nullptr); }
};

void TestKeyboard::wholeJobWithoutAMouse()
{
    Loan& w = *window;
    MessageBox::Intercept();
    QCOMPARE(Focused(), w.cboLoanName);

    // The new loan, left to right.
    TypeAndTab(QStringLiteral("Keyboard Home"));
    QCOMPARE(Focused(), w.cboLoanType);
    TypeAndTab(QString());
    for (const char* figure : {"200000", "360"})
        TypeAndTab(QString::fromLatin1(figure));
    // The first payment date stays empty: Tab goes through its day, month
    // and year, then on.
    QCOMPARE(Focused(), w.dtFirstPayment);
    for (int press = 0; press < 4 && Focused() == w.dtFirstPayment; ++press)
        Press(Qt::Key_Tab);
    QCOMPARE(w.Document().FirstPayment(), 0.0);
    for (const char* figure : {"2400", "1200"})
        TypeAndTab(QString::fromLatin1(figure));

    // Three quotes, each row left to right: finance points, points, rate,
    // term, frequency, actual payment, lender.
    const QStringList lenders {QStringLiteral("First Bank"), QStringLiteral("Harbor Credit Union"),
                               QStringLiteral("Casa Lending")};
    const QStringList rates {QStringLiteral("6.5"), QStringLiteral("7.25"), QStringLiteral("5.875")};
    const QStringList terms {QStringLiteral("360"), QStringLiteral("180"), QStringLiteral("360")};
    for (int d = 0; d < 3; ++d) {
        QCOMPARE(Focused(), w.chkPoints[static_cast<std::size_t>(d)]);
        if (d == 2)
            Press(Qt::Key_Space);
        TypeAndTab(QString());
        TypeAndTab(d == 2 ? QStringLiteral("1") : QString());
        TypeAndTab(rates[d]);
        TypeAndTab(terms[d]);
        TypeAndTab(QStringLiteral("Monthly"));
        TypeAndTab(QString());
        TypeAndTab(lenders[d]);
    }
    QCOMPARE(Focused(), w.chkPoints[3]);
    QVERIFY(w.chkPoints[2]->isChecked());
    QCOMPARE(w.LoanAmount(), Money::FromDouble(200000));
    QCOMPARE(w.txtInterestRate[1]->text(), QStringLiteral("7.250%"));
    QVERIFY(!w.txtPayoffDate[2]->text().isEmpty());
    QTRY_VERIFY(!w.Timer1->isActive());

    // Soonest payoff first: the fifteen-year quote goes to the top.
    QVERIFY(Choose(Qt::Key_T, Qt::Key_P));
    QVERIFY(w.cmdPayoffDate->isChecked());
    QCOMPARE(w.txtWho[0]->toPlainText(), lenders[1]);
    QCOMPARE(w.txtTerm[0]->text(), QStringLiteral("180"));

    // The costs window opens on its table; the arrows reach the closing
    // costs of the chosen quote, F2 edits them, Enter takes them.
    QVERIFY(Choose(Qt::Key_T, Qt::Key_C));
    auto* costs = w.findChild<frmCosts*>(QStringLiteral("frmCosts"));
    QVERIFY(costs && QTest::qWaitForWindowActive(costs));
    QTRY_COMPARE(Focused(), costs->tblCosts);
    for (int step = 0;
         step < CostsTable::Columns && costs->tblCosts->currentIndex().column() < CostsTable::ClosingCosts; ++step)
        Press(Qt::Key_Right);
    QCOMPARE(costs->tblCosts->currentIndex().column(), int(CostsTable::ClosingCosts));
    const int row = costs->tblCosts->currentIndex().row();
    Press(Qt::Key_F2);
    Type(QStringLiteral("3000"));
    Press(Qt::Key_Return);
    QTRY_COMPARE(costs->tblCosts->model()->index(row, CostsTable::ClosingCosts).data().toString(),
                 QStringLiteral("$3,000.00"));

    // Back to the horizon above the table, then on to the chart, the
    // payments and their export, in reading order.
    QCOMPARE(Focused(), costs->tblCosts);
    Press(Qt::Key_Backtab);
    QCOMPARE(Focused(), costs->txtHorizon);
    TypeAndTab(QStringLiteral("7"));
    QCOMPARE(costs->Costs().HorizonMonths(), 84);
    QCOMPARE(Focused(), costs->tblCosts);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), costs->tblSchedule);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), costs->cmdExportCsv);

    // Escape closes it and the sheet has the keyboard again.
    Press(Qt::Key_Escape);
    QTRY_VERIFY(!w.findChild<frmCosts*>(QStringLiteral("frmCosts")) || !costs->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&w));

    Press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(ScenarioStore::Exists(QStringLiteral("Keyboard Home")));
    QVERIFY(!w.ScenarioChanged());

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keyboard.pdf"));
    PrintDialogs::Intercept([&path](QDialog& dialog) {
        if (auto* file = qobject_cast<QFileDialog*>(&dialog))
            file->selectFile(path);
        return int(QDialog::Accepted);
    });
    QVERIFY(Choose(Qt::Key_F, Qt::Key_E));
    QTRY_VERIFY_WITH_TIMEOUT(!w.findChild<frmPrint*>(QStringLiteral("frmPrint")), frmPrint::TimerInterval + 5000);
    const QString text = PdfText(path);
    for (const QString& lender : lenders)
        QVERIFY2(text.contains(lender), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Keyboard Home")));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
