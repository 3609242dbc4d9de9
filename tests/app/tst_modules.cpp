// The program's modules as the program itself meets them: this test is linked
// as the program is, without the costs window and the help linked in, so
// it loads them from the build's module folder the first time they are
// asked for, and starting the window maps neither Qt Charts nor Qt Help.

#include "tests/app/WindowTest.h"

#include "app/Loan.h"
#include "app/MessageBox.h"
#include "app/ProgramModule.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWhatsThis>

namespace {

QString MappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

// Alt and the menu's letter, then the entry's letter in the open menu.
bool Choose(Qt::Key menu, Qt::Key entry)
{
    QTest::keyClick(QApplication::focusWidget(), menu, Qt::AltModifier);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
        return false;
    QTest::keyClick(QApplication::activePopupWidget(), entry);
    return QApplication::activePopupWidget() == nullptr;
}

QWidget* ShownWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

class TestModules : public WindowTest
{
    Q_OBJECT

private slots:
    void startingMapsNeitherChartsNorHelp();
    // Before the costs module is loaded: once loaded it stays.
    void aMissingModuleIsReportedAndTheWindowGoesOn();
    void costsWindowLoadsItsModule();
    void helpAndWhatsThisLoadTheirModule();
};

void TestModules::startingMapsNeitherChartsNorHelp()
{
    const QString mapped = MappedFiles();
    QVERIFY(!mapped.isEmpty());
    QVERIFY(!mapped.contains(QStringLiteral("libQt6Charts")));
    QVERIFY(!mapped.contains(QStringLiteral("libQt6Help")));
    QVERIFY(!mapped.contains(QStringLiteral("libQt6Sql")));
    QVERIFY(!mapped.contains(QStringLiteral("/" LOAN_MODULE_SUBDIR "/")));
}

void TestModules::aMissingModuleIsReportedAndTheWindowGoesOn()
{
    const QTemporaryDir empty;
    ProgramModule::SetFolder(empty.path());
    const auto back = qScopeGuard([] { ProgramModule::SetFolder({}); });

    QVERIFY(Choose(Qt::Key_T, Qt::Key_C));
    QTest::keyClick(window.get(), Qt::Key_F1);
    const QList<MessageBox::Shown> shown = MessageBox::Recorded();
    QCOMPARE(shown.size(), 2);
    for (const MessageBox::Shown& box : shown) {
        QVERIFY2(box.text.contains(QStringLiteral("a part of the program is missing")), qPrintable(box.text));
        QVERIFY2(box.text.contains(empty.path()), qPrintable(box.text));
    }
    QVERIFY(!ShownWindow("frmCosts"));
    QVERIFY(!ShownWindow("frmHelp"));
    QVERIFY(!MappedFiles().contains(QStringLiteral("libQt6Charts")));

    // The sheet goes on as before.
    window->txtLoanAmount->setFocus();
    QTest::keyClicks(window->txtLoanAmount, QStringLiteral("250000"));
    QTest::keyClick(window->txtLoanAmount, Qt::Key_Tab);
    QCOMPARE(window->txtLoanAmount->text(), QStringLiteral("$250,000.00"));

    // The module back in its place, the same window opens the help.
    ProgramModule::SetFolder({});
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(ShownWindow("frmHelp"));
    ShownWindow("frmHelp")->close();
}

void TestModules::costsWindowLoadsItsModule()
{
    QVERIFY(Choose(Qt::Key_T, Qt::Key_C));
    QWidget* costs = ShownWindow("frmCosts");
    QVERIFY(costs);
    QVERIFY(QTest::qWaitForWindowActive(costs));
    QVERIFY(MappedFiles().contains(QStringLiteral("/" LOAN_MODULE_SUBDIR "/libLoanCosts.so")));
    QVERIFY(costs->findChild<QPushButton*>(QStringLiteral("cmdPrintCosts"))->isEnabled());

    // Opened again, the same module makes a new window.
    QTest::keyClick(costs, Qt::Key_Escape);
    QTRY_VERIFY(!ShownWindow("frmCosts"));
    QVERIFY(Choose(Qt::Key_T, Qt::Key_C));
    QTRY_VERIFY(ShownWindow("frmCosts"));
}

void TestModules::helpAndWhatsThisLoadTheirModule()
{
    QVERIFY(window->txtLoanAmount->whatsThis().isEmpty());
    QTest::keyClick(window.get(), Qt::Key_F1);
    QWidget* help = ShownWindow("frmHelp");
    QVERIFY(help);
    QVERIFY(MappedFiles().contains(QStringLiteral("/" LOAN_MODULE_SUBDIR "/libLoanHelp.so")));
    // Named for a screen reader by the program, as a linked-in window is.
    QVERIFY(!help->findChild<QWidget*>(QStringLiteral("txtTopic"))->accessibleName().isEmpty());
    help->close();

    QTest::mouseClick(window->cmdWhatsThis, Qt::LeftButton);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    QVERIFY(!window->txtLoanAmount->whatsThis().isEmpty());
}

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
