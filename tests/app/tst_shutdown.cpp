// Closing the window: the question about unsaved changes, its three answers,
// and what reaches the registry after each.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"

#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "store/RegistryAPI.h"
#include "store/Settings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <memory>
#include <optional>

using RegistryAPI::Root;

namespace {

const QColor Pink(255, 208, 215);

QVariant Stored(const QString& name)
{
    return RegistryAPI::ReadValue(Root::CurrentUser, Settings::ProgramKey, name, RegistryAPI::REG_DWORD,
                                  QStringLiteral("absent"));
}

// Typed and left the way a user does, which is what marks the scenario
// changed.
void Type(QWidget* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace

class TestShutdown : public WindowTest
{
    Q_OBJECT

private slots:
    void unchangedClosesWithoutQuestion();
    void answers_data();
    void answers();
    void nameTypedAfterRefusalClearsTheColour();

private:
    void BeforeWindow() override;
};

void TestShutdown::BeforeWindow()
{
    RegistryAPI::CreateKey(Root::CurrentUser, Settings::ProgramKey);
}

void TestShutdown::unchangedClosesWithoutQuestion()
{
    window->mnuFileExit->trigger();

    QVERIFY(!window->isVisible());
    QVERIFY(MessageBox::Recorded().isEmpty());
    QCOMPARE(Stored(QStringLiteral("LoansDisplayed")).toInt(), 6);
    QCOMPARE(Stored(QStringLiteral("CurrentLanguage")).toInt(), 1);
    QCOMPARE(Stored(QStringLiteral("TermInMonths")).toInt(), 0);
}

void TestShutdown::answers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("pink");

    QTest::newRow("No") << "" << int(QMessageBox::No) << "Save changes?" << true << false;
    QTest::newRow("No, named") << "Casa" << int(QMessageBox::No) << "Save changes to Casa?" << true << false;
    QTest::newRow("Cancel") << "" << int(QMessageBox::Cancel) << "Save changes?" << false << false;
    QTest::newRow("Cancel, named") << "Casa" << int(QMessageBox::Cancel) << "Save changes to Casa?" << false
                                   << false;
    QTest::newRow("Yes, empty name") << "" << int(QMessageBox::Yes) << "Save changes?" << false << true;
}

void TestShutdown::answers()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closed);
    QFETCH(bool, pink);
    if (!name.isEmpty())
        Type(window->cboLoanName, name);
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    window->ProgramSettings().DisplayedUpperIndex = 7;
    MessageBox::Intercept({static_cast<QMessageBox::StandardButton>(answer)});

    window->mnuFileExit->trigger();

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{question});
    const MessageBox::Shown shown = MessageBox::Recorded().constFirst();
    QCOMPARE(shown.title, QStringLiteral("Save changes?"));
    QCOMPARE(shown.icon, QMessageBox::Question);
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base) == Pink, pink);
    if (pink)
        QCOMPARE(QApplication::focusWidget(), window->cboLoanName);
    // Settings are stored exactly when the window really closes.
    QCOMPARE(Stored(QStringLiteral("LoansDisplayed")),
             closed ? QVariant(8) : QVariant(QStringLiteral("absent")));
}

void TestShutdown::nameTypedAfterRefusalClearsTheColour()
{
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    MessageBox::Intercept({QMessageBox::Yes});
    window->close();
    QCOMPARE(window->cboLoanName->palette().color(QPalette::Base), Pink);

    QTest::keyClicks(window->cboLoanName, QStringLiteral("Casa"));
    QTest::keyClick(window->cboLoanName, Qt::Key_Tab);

    QCOMPARE(window->LoanName(), QStringLiteral("Casa"));
    QVERIFY(window->cboLoanName->palette().color(QPalette::Base) != Pink);
}

QTEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
