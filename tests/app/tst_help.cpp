// The help as a user meets it: Help > Contents and Search open the help
// window of the window's language, the What's-this button explains every
// control, and a help file that cannot be used is named once.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "LoanWindows.h"
#include "QuoteSheet.h"

#include "app/HelpBrowser.h"
#include "app/HelpLocation.h"
#include "app/MessageBox.h"
#include "app/frmHelp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTest>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

#include <map>
#include <optional>

namespace {

constexpr int SearchTimeout = 15000;

frmHelp* HelpWindow(Loan& window)
{
    return window.findChild<frmHelp*>();
}

// What the user finds for the words: the titles listed, once the search is
// over.
QStringList SearchFor(frmHelp& help, const QString& words)
{
    QTest::keyClicks(help.txtSearch, words);
    QTest::keyClick(help.txtSearch, Qt::Key_Return);
    if (!QTest::qWaitFor([&help] { return help.lstResults->count() > 0 || !help.lblResults->text().isEmpty(); },
                         SearchTimeout))
        return {QStringLiteral("(no answer)")};
    QStringList titles;
    for (int i = 0; i < help.lstResults->count(); ++i)
        titles << help.lstResults->item(i)->text();
    return titles;
}

// The window reads its What's-this texts when the user first asks for one:
// here by the What's-this button, left again with Esc.
void AskForWhatsThis(Loan& window)
{
    QTest::mouseClick(window.cmdWhatsThis, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Escape);
}

// Every control of the window, the members of the quote rows among them, as
// they explain themselves once asked.
std::map<QString, QString> WhatsThisTexts(Loan& window)
{
    AskForWhatsThis(window);
    static const QRegularExpression control(QStringLiteral("^(lbl|txt|cbo|chk|cmd|dt|vsb|pic|fra)[A-Z]"));
    std::map<QString, QString> texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() == &window && control.match(widget->objectName()).hasMatch())
            texts[widget->objectName()] = widget->whatsThis();
    }
    return texts;
}

QWidget* WhatsThisPopup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QWhatsThat") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

class TestHelp : public WindowTest
{
    Q_OBJECT

private slots:
    void contentsOpensAtTheSamePlaceEveryTime();
    void searchStartsEmptyAndSearchesTheWindowsLanguage();
    void searchForNothingOrAPageOfTextFindsNothing();
    void everyControlExplainsItselfInBothLanguages();
    void whatsThisShowsTheClickedControlsTopicAndEscLeaves();
    void whatsThisTextsAreReadWhenFirstAskedFor();
    void linkInAWhatsThisBubbleOpensItsPage();
    void unusableHelpFileIsNamedAndTheProgramGoesOn_data();
    void unusableHelpFileIsNamedAndTheProgramGoesOn();
    void helpShowsWholeOnTheScreenInSpanish();

private:
    void AfterWindow() override;
};

void TestHelp::AfterWindow()
{
    HelpLocation::SetFolder(QString());
}

void TestHelp::contentsOpensAtTheSamePlaceEveryTime()
{
    QTest::keyClick(window.get(), Qt::Key_F1);
    frmHelp* help = HelpWindow(*window);
    QVERIFY(help && help->isVisible());
    QVERIFY(!help->isModal());
    QCOMPARE(help->tabHelp->currentIndex(), 0);
    QVERIFY(help->txtTopic->source().toString().endsWith(QLatin1String("index.html")));
    const QRect screen = window->screen()->geometry();
    const QRect placed = help->geometry();
    QCOMPARE(placed, QRect(screen.width() * 400 / 1024, screen.height() * 400 / 1024, screen.width() * 620 / 1024,
                           screen.height() * 620 / 1024));

    // Moved and shrunk by the user, then closed: it comes back where it was
    // first placed.
    help->setGeometry(10, 10, 200, 150);
    help->close();
    window->mnuHelpContents->trigger();
    QCOMPARE(HelpWindow(*window), help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->geometry(), placed);
    // The window beneath stays usable while help is open.
    QuoteSheet::Type(window->txtLoanAmount, QStringLiteral("1000"));
    QCOMPARE(window->LoanAmount(), Money::FromDouble(1000));
}

void TestHelp::searchStartsEmptyAndSearchesTheWindowsLanguage()
{
    window->mnuHelpSearch->trigger();
    frmHelp* help = HelpWindow(*window);
    QVERIFY(help);
    QCOMPARE(help->tabHelp->currentIndex(), 2);
    QVERIFY(help->txtSearch->text().isEmpty());
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTRY_COMPARE(QApplication::focusWidget(), help->txtSearch);
    QCOMPARE(help->windowTitle(), QStringLiteral("Zantic Loan Help"));
    QVERIFY(SearchFor(*help, QStringLiteral("escrow")).contains(QStringLiteral("The new loan")));
    help->txtSearch->clear();
    // Why a quote paid at its P&I can pay off a period later.
    QVERIFY(SearchFor(*help, QStringLiteral("remainder")).contains(QStringLiteral("Troubleshooting")));
    help->txtSearch->clear();
    QCOMPARE(SearchFor(*help, QStringLiteral("hipoteca")), QStringList());

    // The open help follows the switch at once.
    window->mnuToolsLanguageOpt[2]->trigger();
    DeleteClosedWindows();
    help = HelpWindow(*window);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Ayuda de Zantic Loan"));
    QCOMPARE(help->tabHelp->tabText(0), QStringLiteral("Contenido"));
    window->mnuHelpSearch->trigger();
    QCOMPARE(HelpWindow(*window), help);
    QVERIFY(help->txtSearch->text().isEmpty());
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTRY_COMPARE(QApplication::focusWidget(), help->txtSearch);
    const QStringList found = SearchFor(*help, QStringLiteral("hipoteca"));
    QVERIFY2(found.contains(QStringLiteral("Un ejemplo completo")), qPrintable(found.join(", ")));

    // A result opens its page.
    help->lstResults->setCurrentRow(static_cast<int>(found.indexOf(QStringLiteral("Un ejemplo completo"))));
    QTest::keyClick(help->lstResults, Qt::Key_Return);
    QVERIFY(help->txtTopic->toPlainText().contains(QStringLiteral("$126,702.92")));
}

void TestHelp::searchForNothingOrAPageOfTextFindsNothing()
{
    window->mnuHelpSearch->trigger();
    frmHelp* help = HelpWindow(*window);
    QVERIFY(help);
    QTest::keyClick(help->txtSearch, Qt::Key_Return);
    QTest::qWait(200);
    QCOMPARE(help->lstResults->count(), 0);

    QCOMPARE(SearchFor(*help, QString(1000, QLatin1Char('q'))), QStringList());
    QCOMPARE(help->lblResults->text(), QStringLiteral("No topic contains these words."));
    // Searching again afterwards still works.
    help->txtSearch->clear();
    QVERIFY(!SearchFor(*help, QStringLiteral("payoff")).isEmpty());
}

void TestHelp::everyControlExplainsItselfInBothLanguages()
{
    window->LoadRowsUpTo(3);
    const std::map<QString, QString> english = WhatsThisTexts(*window);
    QVERIFY(english.size() > 80);
    for (const auto& [name, text] : english)
        QVERIFY2(!text.isEmpty(), qPrintable(name));
    QVERIFY(english.at(QStringLiteral("txtLoanAmount")).contains(QStringLiteral("Loan Amount")));
    QCOMPARE(english.at(QStringLiteral("lblLoanAmount")), english.at(QStringLiteral("txtLoanAmount")));
    QCOMPARE(english.at(QStringLiteral("txtInterestRate_3")), english.at(QStringLiteral("txtInterestRate_0")));

    window->mnuToolsLanguageOpt[2]->trigger();
    window->LoadRowsUpTo(5);
    const std::map<QString, QString> spanish = WhatsThisTexts(*window);
    for (const auto& [name, text] : spanish) {
        QVERIFY2(!text.isEmpty(), qPrintable(name));
        if (english.count(name))
            QVERIFY2(text != english.at(name), qPrintable(name));
    }
    QVERIFY(spanish.at(QStringLiteral("txtLoanAmount")).contains(QStringLiteral("Monto del préstamo")));
    // A row made after the switch explains itself in Spanish too.
    QCOMPARE(spanish.at(QStringLiteral("txtWho_5")), spanish.at(QStringLiteral("txtWho_0")));
}

void TestHelp::whatsThisShowsTheClickedControlsTopicAndEscLeaves()
{
    QTest::mouseClick(window->cmdWhatsThis, Qt::LeftButton);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(window->txtCurrentBalance, Qt::LeftButton);
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    QTRY_VERIFY(WhatsThisPopup());
    QTest::keyClick(WhatsThisPopup(), Qt::Key_Escape);
    QTRY_VERIFY(!WhatsThisPopup());

    QTest::mouseClick(window->cmdWhatsThis, Qt::LeftButton);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    QVERIFY(!WhatsThisPopup());
    QVERIFY(MessageBox::Recorded().isEmpty());
}

// Start-up leaves the help unread; whichever way the user first asks, the
// control explains itself at once, and later language switches follow.
void TestHelp::whatsThisTextsAreReadWhenFirstAskedFor()
{
    QVERIFY(window->txtLoanAmount->whatsThis().isEmpty());
    window->txtLoanAmount->setFocus();
    QTest::keyClick(window->txtLoanAmount, Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(WhatsThisPopup());
    QVERIFY(window->txtLoanAmount->whatsThis().contains(QStringLiteral("Loan Amount")));
    QTest::keyClick(WhatsThisPopup(), Qt::Key_Escape);
    QTRY_VERIFY(!WhatsThisPopup());

    window->mnuToolsLanguageOpt[2]->trigger();
    QVERIFY(window->txtLoanAmount->whatsThis().contains(QStringLiteral("Monto del préstamo")));

    // A window that is new again, asked by Qt itself in What's-this mode.
    window.reset();
    OpenWindow();
    QVERIFY(window->txtCurrentBalance->whatsThis().isEmpty());
    QWhatsThis::enterWhatsThisMode();
    QTest::mouseClick(window->txtCurrentBalance, Qt::LeftButton);
    QTRY_VERIFY(WhatsThisPopup());
    QVERIFY(!window->txtCurrentBalance->whatsThis().isEmpty());
    QTest::keyClick(WhatsThisPopup(), Qt::Key_Escape);
    QVERIFY(MessageBox::Recorded().isEmpty());
}

// The actual payment's text sends the user to the troubleshooting page; the
// click on the link reaches the field the bubble explains, as Qt hands it
// over. A row made after a language switch does the same in Spanish.
void TestHelp::linkInAWhatsThisBubbleOpensItsPage()
{
    // Shows the field's bubble and clicks its link; false when either is
    // not there.
    const auto clickLink = [](QWidget* field) {
        const QString href = QStringLiteral("troubleshooting.html");
        if (!field->whatsThis().contains(QStringLiteral("href=\"%1\"").arg(href)))
            return false;
        QWhatsThis::showText(field->mapToGlobal(field->rect().center()), field->whatsThis(), field);
        const bool shown = WhatsThisPopup() != nullptr;
        QWhatsThisClickedEvent click(href);
        QApplication::sendEvent(field, &click);
        return shown;
    };
    AskForWhatsThis(*window);
    QVERIFY(clickLink(window->txtActualPayment[0]));
    QTRY_VERIFY(HelpWindow(*window) && HelpWindow(*window)->isVisible());
    frmHelp* help = HelpWindow(*window);
    QCOMPARE(help->tabHelp->currentIndex(), 0);
    QCOMPARE(help->txtTopic->source().fileName(), QStringLiteral("troubleshooting.html"));
    QCOMPARE(help->txtTopic->documentTitle(), QStringLiteral("Troubleshooting"));
    QVERIFY(!WhatsThisPopup());

    window->mnuToolsLanguageOpt[2]->trigger();
    DeleteClosedWindows();
    window->LoadRowsUpTo(3);
    QVERIFY(clickLink(window->txtActualPayment[3]));
    QTRY_COMPARE(HelpWindow(*window)->txtTopic->documentTitle(), QStringLiteral("Solución de problemas"));
    QVERIFY(HelpWindow(*window)->isVisible() && !WhatsThisPopup());
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestHelp::unusableHelpFileIsNamedAndTheProgramGoesOn_data()
{
    QTest::addColumn<QByteArray>("helpFile");
    QTest::addColumn<bool>("withCollection");
    QTest::addColumn<QString>("named");
    QTest::newRow("missing") << QByteArray() << true << "tessaly.qch";
    QTest::newRow("empty") << QByteArray("") << true << "tessaly.qch";
    QTest::newRow("not a help file") << QByteArray("<html>not help</html>") << true << "tessaly.qch";
    QTest::newRow("collection missing") << QByteArray("real") << false << "tessaly.qhc";
}

void TestHelp::unusableHelpFileIsNamedAndTheProgramGoesOn()
{
    QFETCH(QByteArray, helpFile);
    QFETCH(bool, withCollection);
    QFETCH(QString, named);
    const QString shipped = QCoreApplication::applicationDirPath();
    QTemporaryDir folder;
    if (helpFile == "real") {
        QVERIFY(QFile::copy(shipped + QStringLiteral("/tessaly.qch"), folder.filePath(QStringLiteral("tessaly.qch"))));
    } else if (!helpFile.isNull()) {
        QFile file(folder.filePath(QStringLiteral("tessaly.qch")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(helpFile);
    }
    if (withCollection)
        QVERIFY(QFile::copy(shipped + QStringLiteral("/tessaly.qhc"), folder.filePath(QStringLiteral("tessaly.qhc"))));
    HelpLocation::SetFolder(folder.path());
    window.reset();
    OpenWindow();

    const QString message = QStringLiteral("The help file %1 is missing or is not a help file, so help is not available.")
                                .arg(folder.filePath(named));
    window->mnuHelpContents->trigger();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{message});
    QVERIFY(!HelpWindow(*window));
    QTest::mouseClick(window->cmdWhatsThis, Qt::LeftButton);
    QVERIFY(!QWhatsThis::inWhatsThisMode());
    window->mnuHelpSearch->trigger();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList(3, message));
    QVERIFY(window->txtLoanAmount->whatsThis().isEmpty());

    // Everything else goes on.
    QuoteSheet::Type(window->txtLoanAmount, QStringLiteral("2500"));
    QCOMPARE(window->LoanAmount(), Money::FromDouble(2500));
}

QTEST_MAIN(TestHelp)
// The tabs show their whole captions, and the window with its frame lies on
// the part of the screen windows may use.
void TestHelp::helpShowsWholeOnTheScreenInSpanish()
{
    window->mnuToolsLanguageOpt[2]->trigger();
    window->mnuHelpContents->trigger();
    frmHelp* help = HelpWindow(*window);
    QVERIFY(help && help->isVisible());
    QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTabBar* tabs = help->tabHelp->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const int caption = tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab));
        QVERIFY2(tabs->tabRect(tab).width() > caption, qPrintable(tabs->tabText(tab)));
    }
    QVERIFY(tabs->geometry().right() <= help->tabHelp->width());
}

#include "tst_help.moc"
