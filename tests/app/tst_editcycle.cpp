// The edit cycle of the window's numeric fields, driven as a user does:
// click into a field, type or paste, press Tab.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/Language.h"
#include "app/FittedText.h"
#include "app/Loan.h"
#include "app/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace {

const QString MoneyMessage = QStringLiteral("Please enter a number in the form nnnn.nn");

void Enter(QWidget* field)
{
    QTest::mouseClick(field, Qt::LeftButton);
}

// A refused paste is answered once the paste is over, as the event loop
// runs before the user's next key.
void Paste(QWidget* field, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
}

void Leave(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace

class TestEditCycle : public WindowTest
{
    Q_OBJECT

private slots:
    void moneyShowsCurrencyAndEditsPlain();
    void rateShowsPercentAndStoresFraction_data();
    void rateShowsPercentAndStoresFraction();
    void termInMonthsOrYears_data();
    void termInMonthsOrYears();
    void yearTermsTakeDecimals_data();
    void yearTermsTakeDecimals();
    void passingThroughAFieldChangesNothing();
    void keysOutsideTheFilterAreDropped_data();
    void keysOutsideTheFilterAreDropped();
    void altGrCharactersAreDroppedShortcutsPass();
    void pastedTextGoesThroughTheFilter_data();
    void pastedTextGoesThroughTheFilter();
    void pastedAmountsLoseWhatIsCopiedAlong_data();
    void pastedAmountsLoseWhatIsCopiedAlong();
    void invalidTextKeepsTheFocus_data();
    void invalidTextKeepsTheFocus();
    void numbersBeyondTheRangeAreRefused_data();
    void numbersBeyondTheRangeAreRefused();
    void acceptedEdgeTexts_data();
    void acceptedEdgeTexts();
    void zeroShowsEmpty();
    void shownValueWithMoreDecimalsLeavesUnchanged();
    void fieldLeftWhileTheWindowWasAwayIsStored();
    void commitWithoutLeavingRefusesNoNumber();
    void commaIsTheSeparatorUnderGermanOrSpanish_data();
    void commaIsTheSeparatorUnderGermanOrSpanish();
    void quoteRowFieldsFollowTheCycle();
    void tooWideValuesAreNeverShownInPart();

};

void TestEditCycle::moneyShowsCurrencyAndEditsPlain()
{
    NumberField* amount = window->txtLoanAmount;
    Enter(amount);
    QTest::keyClicks(amount, QStringLiteral("150000.5"));
    Leave(amount);

    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(1500005000));
    QCOMPARE(amount->text(), QStringLiteral("$150,000.50"));
    QCOMPARE(QApplication::focusWidget(), window->txtLoanTerm);
    QVERIFY(window->ScenarioChanged());

    Enter(amount);
    QCOMPARE(amount->text(), QStringLiteral("150000.5"));
    QCOMPARE(amount->selectedText(), amount->text());
    QVERIFY(MessageBox::Recorded().isEmpty());
}

void TestEditCycle::rateShowsPercentAndStoresFraction_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("edited");

    QTest::newRow("6.25 %") << 0.0625 << "6.250%" << "6.25";
    QTest::newRow("below one percent") << 0.005 << ".500%" << "0.5";
    QTest::newRow("12 %") << 0.12 << "12.000%" << "12";
}

void TestEditCycle::rateShowsPercentAndStoresFraction()
{
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(QString, edited);
    NumberField* rate = window->txtCurInterestRate;

    window->SetCurrentInterestRate(stored);
    QCOMPARE(rate->text(), shown);
    Enter(rate);
    QCOMPARE(rate->text(), edited);

    QTest::keyClicks(rate, QStringLiteral("6.5"));
    Leave(rate);
    QCOMPARE(window->CurrentInterestRate(), 0.065);
    QCOMPARE(rate->text(), QStringLiteral("6.500%"));
}

void TestEditCycle::termInMonthsOrYears_data()
{
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<QString>("edited360");
    QTest::addColumn<int>("stored15");

    QTest::newRow("years") << false << "30" << 180;
    QTest::newRow("months") << true << "360" << 15;
}

void TestEditCycle::termInMonthsOrYears()
{
    QFETCH(bool, inMonths);
    QFETCH(QString, edited360);
    QFETCH(int, stored15);
    window->ProgramSettings().TermInMonths = inMonths;
    NumberField* term = window->txtLoanTerm;

    window->SetLoanTerm(360);
    QCOMPARE(term->text(), edited360);
    Enter(term);
    QCOMPARE(term->text(), edited360);
    QCOMPARE(term->selectedText(), edited360);
    QTest::keyClicks(term, QStringLiteral("15"));
    Leave(term);
    QCOMPARE(window->LoanTerm(), stored15);
}

void TestEditCycle::yearTermsTakeDecimals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("edited");

    QTest::newRow("loan term, years") << "txtLoanTerm" << false << "5.5" << 66 << "5.5";
    QTest::newRow("quote term, years") << "txtTerm_0" << false << "2.5" << 30 << "2.5";
    QTest::newRow("half a month up to even") << "txtCurLoanTerm" << false << "0.125" << 2 << "0.166666666666667";
    QTest::newRow("half a month down to even") << "txtLoanTerm" << false << "0.375" << 4 << "0.333333333333333";
    QTest::newRow("loan term, months") << "txtLoanTerm" << true << "5.5" << 55 << "55";
    QTest::newRow("quote term, months") << "txtTerm_0" << true << "2.5" << 25 << "25";
}

// A term in years takes its separator and keeps every month of it; a term
// in months stays whole, the separator key typing nothing.
void TestEditCycle::yearTermsTakeDecimals()
{
    QFETCH(QString, field);
    QFETCH(bool, inMonths);
    QFETCH(QString, typed);
    QFETCH(int, months);
    QFETCH(QString, edited);
    window->ProgramSettings().TermInMonths = inMonths;
    NumberField* term = window->findChild<NumberField*>(field);

    Enter(term);
    QTest::keyClicks(term, typed);
    Leave(term);

    QVERIFY(MessageBox::Recorded().isEmpty());
    QVERIFY(window->ScenarioChanged());
    Enter(term);
    QCOMPARE(term->text(), edited);
    const std::map<QString, qint32> stored{{"txtLoanTerm", window->LoanTerm()},
                                           {"txtCurLoanTerm", window->CurrentTerm()},
                                           {"txtTerm_0", window->Quotes[0]->Term()}};
    QCOMPARE(stored.at(field), months);
}

// Entering a field and pressing Tab stores nothing, even where the text
// shown is not exactly the value: a term of 5.5 years, a rate with more
// decimals than the display, money with more than cents.
void TestEditCycle::passingThroughAFieldChangesNothing()
{
    window->SetLoanTerm(66);
    window->Quotes[0]->SetTerm(31);
    window->Quotes[0]->SetInterestRate(0.0612345);
    window->ShowInterestRate(0);
    window->SetCurrentBalance(Money::FromRaw(12345678));
    window->SetScenarioChanged(false);
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("6.123%"));

    const std::vector<std::pair<NumberField*, QString>> edited{
        {window->txtLoanTerm, "5.5"},
        {window->txtTerm[0], "2.58333333333333"},
        {window->txtInterestRate[0], "6.12345"},
        {window->txtCurrentBalance, "1234.5678"},
    };
    for (const auto& [field, text] : edited) {
        Enter(field);
        QCOMPARE(field->text(), text);
        Leave(field);
        QVERIFY2(QApplication::focusWidget() != field, qPrintable(field->objectName()));
    }

    QVERIFY(MessageBox::Recorded().isEmpty());
    QVERIFY(!window->ScenarioChanged());
    QCOMPARE(window->LoanTerm(), 66);
    QCOMPARE(window->Quotes[0]->Term(), 31);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.0612345);
    QCOMPARE(window->CurrentBalance().Raw(), Q_INT64_C(12345678));
    QCOMPARE(window->txtLoanTerm->text(), QStringLiteral("5.5"));
    QCOMPARE(window->txtCurrentBalance->text(), QStringLiteral("$1,234.57"));
}

void TestEditCycle::keysOutsideTheFilterAreDropped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("money") << "txtLoanAmount" << "a1b,2-3.4$ 5" << "123.45";
    QTest::newRow("rate") << "txtCurInterestRate" << "+6.5%" << "6.5";
    QTest::newRow("term in months has no separator") << "txtCurLoanTerm" << "1.5y" << "15";
    QTest::newRow("quote term in months has no separator") << "txtTerm_0" << "2.5" << "25";
}

void TestEditCycle::keysOutsideTheFilterAreDropped()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    window->ProgramSettings().TermInMonths = true;
    NumberField* target = window->findChild<NumberField*>(field);

    Enter(target);
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), kept);
    QTest::keyClick(target, Qt::Key_Backspace);
    QCOMPARE(target->text(), kept.chopped(1));
}

// AltGr reaches the program as Ctrl+Alt on Windows keyboards, and types
// characters like "€" and "@"; the clipboard keys must still work.
void TestEditCycle::altGrCharactersAreDroppedShortcutsPass()
{
    NumberField* amount = window->txtLoanAmount;
    Enter(amount);
    QTest::keyClicks(amount, QStringLiteral("1"));
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    const std::pair<Qt::Key, QString> altGrKeys[] = {{Qt::Key_E, QStringLiteral("€")},
                                                     {Qt::Key_Q, QStringLiteral("@")}};
    for (const auto& [key, typed] : altGrKeys) {
        QKeyEvent press(QEvent::KeyPress, key, altGr, typed);
        QApplication::sendEvent(amount, &press);
    }
    QTest::keyClick(amount, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(amount->text(), QStringLiteral("1"));
    Paste(amount, QStringLiteral("5"));
    QCOMPARE(amount->text(), QStringLiteral("15"));
}

void TestEditCycle::invalidTextKeepsTheFocus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");

    const QString rateMessage = QStringLiteral("Please enter a number in the form nnnn.nnn");
    QTest::newRow("three decimals for money") << "txtCurrentBalance" << "1234.567" << MoneyMessage;
    QTest::newRow("two separators") << "txtCurLoanAmount" << "1.2.3" << MoneyMessage;
    QTest::newRow("four decimals for a rate") << "txtCurInterestRate" << "6.5555" << rateMessage;
}

void TestEditCycle::pastedTextGoesThroughTheFilter_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");

    const QString termMessage = QStringLiteral("Please enter a number in the form nnn");
    QTest::newRow("negative amount") << "txtLoanAmount" << "-5000" << MoneyMessage;
    QTest::newRow("negative balance below a cent") << "txtCurrentBalance" << "-.5" << MoneyMessage;
    QTest::newRow("plus first") << "txtLoanAmount" << "+5" << MoneyMessage;
    QTest::newRow("negative with its currency sign") << "txtLoanAmount" << "-$5" << MoneyMessage;
    QTest::newRow("sign at the end") << "txtCurActualPayment" << "5-" << MoneyMessage;
    QTest::newRow("sign inside") << "txtAnnualInsurance" << "1+2" << MoneyMessage;
    QTest::newRow("comma that groups nothing") << "txtAnnualTaxes" << "1,50" << MoneyMessage;
    QTest::newRow("separator in a term in months") << "txtCurLoanTerm" << "12.0" << termMessage;
    QTest::newRow("quote payment") << "txtActualPayment_0" << "-1" << MoneyMessage;
}

// Refused as a typed character is: the text stays as it was, the message
// names the field's form and the field keeps the focus.
void TestEditCycle::pastedTextGoesThroughTheFilter()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    window->ProgramSettings().TermInMonths = true;
    NumberField* target = window->findChild<NumberField*>(field);
    Enter(target);
    QTest::keyClicks(target, QStringLiteral("7"));
    Leave(target);
    window->SetScenarioChanged(false);

    Enter(target);
    Paste(target, pasted);

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{message});
    QCOMPARE(target->text(), QStringLiteral("7"));
    QCOMPARE(QApplication::focusWidget(), target);
    Leave(target);
    QCOMPARE(MessageBox::Recorded().size(), 1);
    QVERIFY(QApplication::focusWidget() != target);
    QVERIFY(!window->ScenarioChanged());
    QVERIFY(!target->text().contains(QLatin1Char('(')));
}

void TestEditCycle::pastedAmountsLoseWhatIsCopiedAlong_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<qint64>("raw");

    const QString euro = QString::fromUtf8("360.000,50 €");
    QTest::newRow("dollars") << "en_US" << "txtLoanAmount" << "$360,000" << Q_INT64_C(3600000000);
    QTest::newRow("blanks around") << "en_US" << "txtLoanAmount" << " 360000 " << Q_INT64_C(3600000000);
    QTest::newRow("groups and cents") << "en_US" << "txtCurrentBalance" << "$1,234,567.89" << Q_INT64_C(12345678900);
    QTest::newRow("quote payment") << "en_US" << "txtActualPayment_0" << "$2,500.00" << Q_INT64_C(25000000);
    QTest::newRow("euros") << "de_DE" << "txtLoanAmount" << euro << Q_INT64_C(3600005000);
    QTest::newRow("blanks around, German") << "de_DE" << "txtLoanAmount" << " 360000 " << Q_INT64_C(3600000000);
    QTest::newRow("no-break blank, German") << "de_DE" << "txtAnnualTaxes" << QString::fromUtf8("1.200 €")
                                            << Q_INT64_C(12000000);
}

// An amount copied from a web page or a letter gets in as its number, under
// the region's own separators.
void TestEditCycle::pastedAmountsLoseWhatIsCopiedAlong()
{
    QFETCH(QString, locale);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(qint64, raw);
    window.reset();
    fresh.emplace(locale.toLatin1().constData());
    OpenWindow();
    NumberField* target = window->findChild<NumberField*>(field);

    Enter(target);
    Paste(target, pasted);
    Leave(target);

    QVERIFY2(MessageBox::RecordedTexts().isEmpty(), qPrintable(MessageBox::RecordedTexts().join('|')));
    QVERIFY(QApplication::focusWidget() != target);
    const std::map<QString, Money> stored{{"txtLoanAmount", window->LoanAmount()},
                                          {"txtCurrentBalance", window->CurrentBalance()},
                                          {"txtAnnualTaxes", window->EscrowTaxes()},
                                          {"txtActualPayment_0", window->Quotes[0]->ActualPayment()}};
    QCOMPARE(stored.at(field).Raw(), raw);
}

void TestEditCycle::invalidTextKeepsTheFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    NumberField* target = window->findChild<NumberField*>(field);
    window->SetLoanAmount(Money::FromRaw(70000));
    window->SetScenarioChanged(false);

    Enter(target);
    Paste(target, pasted);
    QCOMPARE(target->text(), pasted);
    Leave(target);

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{message});
    const MessageBox::Shown shown = MessageBox::Recorded().constFirst();
    QCOMPARE(shown.title, QStringLiteral("Loan"));
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->text(), pasted);
    QCOMPARE(target->selectedText(), pasted);
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(70000));
    QVERIFY(!window->ScenarioChanged());

    // The user mends the text and the field lets go.
    QTest::keyClicks(target, QStringLiteral("7"));
    Leave(target);
    QVERIFY(QApplication::focusWidget() != target);
    QCOMPARE(MessageBox::Recorded().size(), 1);
}

void TestEditCycle::numbersBeyondTheRangeAreRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<QString>("typed");

    QTest::newRow("money beyond its range") << "txtLoanAmount" << false << "99999999999999999999";
    QTest::newRow("months beyond 32 bits") << "txtCurLoanTerm" << true << "3000000000";
    QTest::newRow("years times 12 beyond 32 bits") << "txtLoanTerm" << false << "200000000";
    QTest::newRow("quote payment beyond money") << "txtActualPayment_0" << false << "1000000000000000";
}

void TestEditCycle::numbersBeyondTheRangeAreRefused()
{
    QFETCH(QString, field);
    QFETCH(bool, inMonths);
    QFETCH(QString, typed);
    window->ProgramSettings().TermInMonths = inMonths;
    NumberField* target = window->findChild<NumberField*>(field);
    Enter(target);
    QTest::keyClicks(target, QStringLiteral("12"));
    Leave(target);

    Enter(target);
    QTest::keyClicks(target, typed);
    Leave(target);

    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("The number is too large for this field.")});
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), typed);
    // The stored value is still the one before.
    target->EnterEdit();
    QCOMPARE(target->text(), QStringLiteral("12"));
}

void TestEditCycle::acceptedEdgeTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("shown");

    QTest::newRow("separator last") << "12." << Q_INT64_C(120000) << "$12.00";
    QTest::newRow("long whole part") << "123456789" << Q_INT64_C(1234567890000) << "$123,456,789.00";
    QTest::newRow("empty") << "" << Q_INT64_C(0) << "";
}

void TestEditCycle::acceptedEdgeTexts()
{
    QFETCH(QString, typed);
    QFETCH(qint64, raw);
    QFETCH(QString, shown);
    NumberField* amount = window->txtLoanAmount;
    window->SetLoanAmount(Money::FromRaw(10000));

    Enter(amount);
    if (typed.isEmpty())
        QTest::keyClick(amount, Qt::Key_Backspace);
    else
        Paste(amount, typed);
    Leave(amount);

    QVERIFY(MessageBox::Recorded().isEmpty());
    QCOMPARE(window->LoanAmount().Raw(), raw);
    QCOMPARE(amount->text(), shown);
}

void TestEditCycle::zeroShowsEmpty()
{
    window->SetLoanAmount(Money::FromRaw(5000000));
    window->SetLoanAmount(Money());
    QCOMPARE(window->txtLoanAmount->text(), QString());
    Enter(window->txtLoanAmount);
    QCOMPARE(window->txtLoanAmount->text(), QString());

    window->SetCurrentTerm(0);
    window->SetCurrentInterestRate(0);
    QCOMPARE(window->txtCurLoanTerm->text(), QString());
    QCOMPARE(window->txtCurInterestRate->text(), QString());
}

// 31 months in years is 2.58333333333333: the program showed it, so passing
// through the field must neither trap the user with the number-rule message
// nor change the term. The user's own text is still held to three decimals.
void TestEditCycle::shownValueWithMoreDecimalsLeavesUnchanged()
{
    window->ProgramSettings().TermInMonths = false;
    NumberField* term = window->txtCurLoanTerm;
    window->SetCurrentTerm(31);

    Enter(term);
    Leave(term);
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    QVERIFY(QApplication::focusWidget() != term);
    QCOMPARE(window->CurrentTerm(), 31);

    Enter(term);
    QTest::keyClick(term, Qt::Key_Delete);
    Paste(term, QStringLiteral("2.58333"));
    Leave(term);
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{QStringLiteral("Please enter a number in the form nnnn.nnn")});
    QCOMPARE(QApplication::focusWidget(), term);
    QCOMPARE(term->text(), QStringLiteral("2.58333"));
    QCOMPARE(window->CurrentTerm(), 31);
}

// A message box takes the focus from the window; the click that brings the
// window back lands in another field. The field typed into must still be
// taken as left: stored, and shown in its display form.
void TestEditCycle::fieldLeftWhileTheWindowWasAwayIsStored()
{
    Enter(window->txtLoanAmount);
    QTest::keyClicks(window->txtLoanAmount, QStringLiteral("1500"));

    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    window->txtAnnualTaxes->setFocus(Qt::MouseFocusReason);
    box.close();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QCOMPARE(QApplication::focusWidget(), window->txtAnnualTaxes);
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(15000000));
    QCOMPARE(window->txtLoanAmount->text(), QStringLiteral("$1,500.00"));
}

// A command that must see the value being typed commits it without the
// focus leaving; a text that is no number is refused there as well.
void TestEditCycle::commitWithoutLeavingRefusesNoNumber()
{
    NumberField* balance = window->txtCurrentBalance;
    Enter(balance);
    QTest::keyClicks(balance, QStringLiteral("2500"));
    QVERIFY(balance->CommitEdit());
    QCOMPARE(window->CurrentBalance().Raw(), Q_INT64_C(25000000));
    QCOMPARE(QApplication::focusWidget(), balance);

    balance->selectAll();
    Paste(balance, QStringLiteral("2.000.5"));
    QVERIFY(!balance->CommitEdit());
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{MoneyMessage});
    QCOMPARE(window->CurrentBalance().Raw(), Q_INT64_C(25000000));
    QCOMPARE(balance->selectedText(), QStringLiteral("2.000.5"));
}

void TestEditCycle::commaIsTheSeparatorUnderGermanOrSpanish_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amountShown");
    QTest::addColumn<QString>("dateShown");

    QTest::newRow("German") << "de_DE" << QString::fromUtf8("1.234,56\u00a0€") << "01.04.2026";
    QTest::newRow("Spanish") << "es_ES" << QString::fromUtf8("1234,56\u00a0€") << "1/4/2026";
}

void TestEditCycle::commaIsTheSeparatorUnderGermanOrSpanish()
{
    QFETCH(QString, locale);
    QFETCH(QString, amountShown);
    QFETCH(QString, dateShown);
    window.reset();
    fresh.emplace(locale.toLatin1().constData());
    OpenWindow();

    NumberField* amount = window->txtLoanAmount;
    Enter(amount);
    QTest::keyClicks(amount, QStringLiteral("1234.56"));
    QCOMPARE(amount->text(), QStringLiteral("1234,56"));
    Leave(amount);
    QCOMPARE(window->LoanAmount().Raw(), Q_INT64_C(12345600));
    QCOMPARE(amount->text(), amountShown);
    Enter(amount);
    QCOMPARE(amount->text(), QStringLiteral("1234,56"));

    NumberField* rate = window->txtCurInterestRate;
    Enter(rate);
    QTest::keyClicks(rate, QStringLiteral("6,5"));
    Leave(rate);
    QCOMPARE(window->CurrentInterestRate(), 0.065);
    QCOMPARE(rate->text(), QStringLiteral("6,500%"));

    // The keypad's decimal key, whatever the keyboard layout sends for it.
    Enter(rate);
    QTest::keyClicks(rate, QStringLiteral("7"));
    QTest::keyClick(rate, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(rate, QStringLiteral("25"));
    Leave(rate);
    QCOMPARE(window->CurrentInterestRate(), 0.0725);

    Enter(rate);
    Paste(rate, QStringLiteral("6.5"));
    QCOMPARE(rate->text(), QStringLiteral("6,5"));
    Leave(rate);
    QCOMPARE(window->CurrentInterestRate(), 0.065);
    QCOMPARE(MessageBox::RecordedTexts(), QStringList());

    QCOMPARE(window->dtNextPayment->text(), dateShown);
}

void TestEditCycle::quoteRowFieldsFollowTheCycle()
{
    NumberField* rate = window->txtInterestRate[0];
    Enter(rate);
    QTest::keyClicks(rate, QStringLiteral("6.5"));
    Leave(rate);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.065);
    QCOMPARE(rate->text(), QStringLiteral("6.500%"));

    NumberField* points = window->txtPoints[0];
    Enter(points);
    QTest::keyClicks(points, QStringLiteral(".25"));
    Leave(points);
    QCOMPARE(window->Quotes[0]->Points(), 0.25);
    QCOMPARE(points->text(), QStringLiteral(".250"));

    // A term of 30 months shows as 2.5 years, which the quote's term rule
    // lets the user leave unchanged, and unchanged it stays.
    window->Quotes[0]->SetTerm(30);
    NumberField* term = window->txtTerm[0];
    Enter(term);
    QCOMPARE(term->text(), QStringLiteral("2.5"));
    Leave(term);
    QVERIFY(MessageBox::Recorded().isEmpty());
    QCOMPARE(window->Quotes[0]->Term(), 30);
}

// The field's text stays whole; only the way it is drawn gives way.
void TestEditCycle::tooWideValuesAreNeverShownInPart()
{
    NumberField* amount = window->txtLoanAmount;
    QLineEdit* pandI = window->txtPandI[0];
    const QFont base = amount->font();
    QuoteSheet::Type(amount, QStringLiteral("100000"));
    QCOMPARE(amount->font(), base);

    QuoteSheet::Type(amount, QStringLiteral("599550525152.75"));
    QuoteSheet::TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    QCOMPARE(amount->text(), QStringLiteral("$599,550,525,152.75"));
    for (QLineEdit* field : {static_cast<QLineEdit*>(amount), pandI}) {
        const int room = field->width() - 10;
        const bool drawnWhole = QFontMetrics(field->font()).horizontalAdvance(field->text()) <= room;
        QVERIFY2(drawnWhole || FittedText::IsOverflowing(field), qPrintable(field->objectName()));
        QVERIFY(field->font().pointSizeF() < base.pointSizeF());
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &tip);
        QVERIFY2(QToolTip::text().startsWith(field->text()), qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }

    // Editing shows the plain number in the field's own font.
    QuoteSheet::Enter(amount);
    QCOMPARE(amount->text(), QStringLiteral("599550525152.75"));
    QCOMPARE(amount->font(), base);
    QVERIFY(!FittedText::IsOverflowing(amount));
}

QTEST_MAIN(TestEditCycle)
#include "tst_editcycle.moc"
