// The quote rows as a user meets them: typing a quote into a row, the raised
// actual payment, the arrow keys, bad input, the two sorts and a change of
// language, all through the real window.

#include "tests/app/WindowTest.h"
#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace QuoteSheet;

namespace {

const QColor Raised(255, 255, 128);
const QString PaymentNotice = QStringLiteral("Actual payment cannot be less than calculated payment.");

bool IsRaised(const QWidget* field)
{
    return field->palette().color(QPalette::Base) == Raised;
}

QList<quint16> RowOrder(const Loan& window, int rows)
{
    QList<quint16> order;
    for (int d = 0; d < rows; ++d)
        order << window.R(static_cast<quint16>(d));
    return order;
}

// The contrast ratio of two colours, 1 to 21, as accessibility guides
// measure it; text wants at least 4.5.
double Contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double TextContrast(const QWidget* field, QPalette::ColorRole text = QPalette::Text)
{
    return Contrast(field->palette().color(text), field->palette().color(QPalette::Base));
}

QPalette DarkFusionPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    return dark;
}

} // namespace

class TestQuoteRows : public WindowTest
{
    Q_OBJECT

private slots:
    void rateTakesTheDefaultTerm();
    void termInMonthsOrYears_data();
    void termInMonthsOrYears();
    void financePointsBoxRecomputesAtOnce();
    void raisedPaymentIsHighlightedAndExplainedOnce();
    void clearedActualPaymentLeavesTheResultsShown();
    void arrowsMoveBetweenRows_data();
    void arrowsMoveBetweenRows();
    void resultsAreGreyReadOnlyAndSkippedByTab();
    void badInputShowsNoResult_data();
    void badInputShowsNoResult();
    void rowTermBeyond32BitsIsRefused();
    void fieldLeftWhileTheWindowWasAwayIsStored_data();
    void fieldLeftWhileTheWindowWasAwayIsStored();

    void payoffSortPutsQuotesWithoutDateLast();
    void tiesKeepTheirOrder_data();
    void tiesKeepTheirOrder();
    void lenderOnlySortsAboveEmpty_data();
    void lenderOnlySortsAboveEmpty();
    void rowAppendedAfterSortShowsItsOwnQuote();
    void sortButtonsShowTheActiveSort();
    void languageSwitchRefillsRowLists();
    void reasonsSpeakTheWindowsLanguage();
    void darkPaletteKeepsTheColoursReadable();

private:
    void TypeLoanAmount(const QString& amount);

};

void TestQuoteRows::TypeLoanAmount(const QString& amount)
{
    Type(window->txtLoanAmount, amount);
}

// The design's own walk through one edit: the rate brings the default term
// with it, the row shows the results, the term field stays as it was.
void TestQuoteRows::rateTakesTheDefaultTerm()
{
    TypeLoanAmount(QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("30"));
    Type(window->cboFrequency[0], QStringLiteral("Monthly"));
    Enter(window->txtInterestRate[0]);
    QTest::keyClicks(window->txtInterestRate[0], QStringLiteral("6.5"));
    // Leaving by a click elsewhere, not into the row's term field, which
    // would show the term.
    Enter(window->txtWho[3]);

    const CLoan& quote = *window->Quotes[0];
    QCOMPARE(quote.InterestRate(), 0.065);
    QCOMPARE(quote.Term(), 360);
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("6.500%"));
    QCOMPARE(window->txtTerm[0]->text(), QString());
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$632.07"));
    QCOMPARE(window->txtPayment[0]->text(), QStringLiteral("$632.07"));
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$632.07"));
    // 360 monthly payments from 15 March 2026, the first due today; paying
    // the whole cent above the exact payment leaves the last one about 2.19
    // short of a full payment.
    QCOMPARE(window->txtPayoffDate[0]->text(), QStringLiteral("2/15/2056"));
    QCOMPARE(window->txtInterest[0]->text(), QStringLiteral("$127,543.01"));
    QVERIFY(window->ScenarioChanged());
}

void TestQuoteRows::termInMonthsOrYears_data()
{
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<int>("months");

    QTest::newRow("years") << false << 4320;
    QTest::newRow("months") << true << 360;
}

void TestQuoteRows::termInMonthsOrYears()
{
    QFETCH(bool, inMonths);
    QFETCH(int, months);
    window->ProgramSettings().TermInMonths = inMonths;

    Type(window->txtTerm[2], QStringLiteral("360"));

    QCOMPARE(window->Quotes[2]->Term(), months);
    QCOMPARE(window->txtTerm[2]->text(), QStringLiteral("360"));
}

void TestQuoteRows::financePointsBoxRecomputesAtOnce()
{
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    Type(window->txtPoints[0], QStringLiteral("1.5"));
    QCOMPARE(window->txtPoints[0]->text(), QStringLiteral("1.500"));
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$599.55"));

    QTest::mouseClick(window->chkPoints[0], Qt::LeftButton);
    QVERIFY(window->Quotes[0]->FinancePoints());
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$608.54"));

    QTest::mouseClick(window->chkPoints[0], Qt::LeftButton);
    QVERIFY(!window->Quotes[0]->FinancePoints());
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$599.55"));
}

void TestQuoteRows::raisedPaymentIsHighlightedAndExplainedOnce()
{
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));

    QVERIFY(IsRaised(window->txtActualPayment[0]));
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$599.55"));
    QVERIFY(window->Timer1->isActive());
    QCOMPARE(window->Timer1->interval(), 1000);
    QVERIFY(MessageBox::Recorded().isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(MessageBox::RecordedTexts(), QStringList{PaymentNotice}, 3000);
    QVERIFY(!IsRaised(window->txtActualPayment[0]));
    QVERIFY(!window->Timer1->isActive());
    QCOMPARE(window->Timer1->interval(), 2000);
    QVERIFY(window->PaymentNoticeShown());

    // A second raise only flashes the field.
    TypeQuote(*window, 1, QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("Biweekly"));
    QVERIFY(IsRaised(window->txtActualPayment[1]));
    QVERIFY(window->Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!window->Timer1->isActive(), 4000);
    QVERIFY(!IsRaised(window->txtActualPayment[1]));
    QCOMPARE(MessageBox::Recorded().size(), 1);

    // Typing a payment below the payment is refused at once, notice or not.
    Type(window->txtActualPayment[0], QStringLiteral("500"));
    QCOMPARE(MessageBox::RecordedTexts(), (QStringList{PaymentNotice, PaymentNotice}));
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$599.55"));
}

// Emptying the field takes the payment away without redisplaying anything;
// the row's next refresh raises it to the payment again.
void TestQuoteRows::clearedActualPaymentLeavesTheResultsShown()
{
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    Type(window->txtActualPayment[0], QStringLiteral("700"));
    const QString payoffDate = window->txtPayoffDate[0]->text();
    const QString interest = window->txtInterest[0]->text();
    QTRY_VERIFY_WITH_TIMEOUT(!window->Timer1->isActive(), 3000);

    Enter(window->txtActualPayment[0]);
    QTest::keyClick(window->txtActualPayment[0], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->txtActualPayment[0], Qt::Key_Delete);
    Leave();

    QCOMPARE(window->Quotes[0]->ActualPayment(), Money());
    QCOMPARE(window->txtActualPayment[0]->text(), QString());
    QCOMPARE(window->txtPayoffDate[0]->text(), payoffDate);
    QCOMPARE(window->txtInterest[0]->text(), interest);
    QVERIFY(!window->Timer1->isActive());

    window->RefreshQuoteRow(0);
    QCOMPARE(window->txtActualPayment[0]->text(), QStringLiteral("$599.55"));
    QVERIFY(IsRaised(window->txtActualPayment[0]));
    QVERIFY(window->txtPayoffDate[0]->text() != payoffDate);
}

void TestQuoteRows::arrowsMoveBetweenRows_data()
{
    QTest::addColumn<QString>("column");

    QTest::newRow("points, on press") << "txtPoints";
    QTest::newRow("rate, on release") << "txtInterestRate";
    QTest::newRow("term, on release") << "txtTerm";
    QTest::newRow("actual payment, on release") << "txtActualPayment";
    QTest::newRow("lender, on press") << "txtWho";
}

void TestQuoteRows::arrowsMoveBetweenRows()
{
    QFETCH(QString, column);
    auto field = [&](int d) {
        return window->findChild<QWidget*>(column + QLatin1Char('_') + QString::number(d));
    };

    Enter(field(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), field(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), field(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), field(0));

    window->LoadRowsUpTo(Loan::LargestAllowedRowIndex);
    Enter(field(Loan::LargestAllowedRowIndex));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), field(Loan::LargestAllowedRowIndex));
}

void TestQuoteRows::resultsAreGreyReadOnlyAndSkippedByTab()
{
    for (QLineEdit* result : {window->txtPandI[3], window->txtPayment[3], window->txtPayoffDate[3],
                              window->txtInterest[3]}) {
        QVERIFY(result->isReadOnly());
        QCOMPARE(result->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(result->palette().color(QPalette::Text), QColor(Qt::black));
    }

    Enter(window->cboFrequency[0]);
    Leave();
    QCOMPARE(QApplication::focusWidget(), window->txtActualPayment[0]);
    Leave();
    QCOMPARE(QApplication::focusWidget(), window->txtWho[0]);
    Leave();
    QCOMPARE(QApplication::focusWidget(), window->chkPoints[1]);
}

void TestQuoteRows::badInputShowsNoResult_data()
{
    QTest::addColumn<bool>("inMonths");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("defaultTerm");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("actualPayment");
    QTest::addColumn<bool>("hasPandI");
    QTest::addColumn<QString>("pandIReason");
    QTest::addColumn<QString>("payoffReason");

    // The payment fits, the interest over 30 years does not.
    QTest::newRow("interest beyond money") << false << "900000000000000" << "30" << "Monthly" << "" << true << ""
                                           << "";
    // Twice a month for 1.5 billion months is more payments than 32 bits hold.
    QTest::newRow("payments beyond 32 bits") << true << "100000" << "1500000000" << "Bimonthly" << "" << false
                                             << "" << "";
    // No term, so no payment raises the 100.00 above a month's interest.
    QTest::newRow("payoff never comes") << false << "100000" << "" << "Monthly" << "100" << false << "No term"
                                        << "Never paid off";
    QTest::newRow("frequency in another language") << false << "100000" << "30" << "Mensual" << "" << false
                                                   << "Unknown frequency" << "";
}

void TestQuoteRows::badInputShowsNoResult()
{
    QFETCH(bool, inMonths);
    QFETCH(QString, amount);
    QFETCH(QString, defaultTerm);
    QFETCH(QString, frequency);
    QFETCH(QString, actualPayment);
    QFETCH(bool, hasPandI);
    QFETCH(QString, pandIReason);
    QFETCH(QString, payoffReason);
    window->ProgramSettings().TermInMonths = inMonths;

    TypeLoanAmount(amount);
    if (!defaultTerm.isEmpty())
        Type(window->txtLoanTerm, defaultTerm);
    TypeQuote(*window, 0, QStringLiteral("6.5"), QString(), frequency);
    if (!actualPayment.isEmpty())
        Type(window->txtActualPayment[0], actualPayment);

    QCOMPARE(!window->txtPandI[0]->text().isEmpty(), hasPandI);
    QCOMPARE(window->txtPayoffDate[0]->text(), QString());
    QCOMPARE(window->txtInterest[0]->text(), QString());
    QCOMPARE(window->txtPandI[0]->placeholderText(), pandIReason);
    QCOMPARE(window->txtPayoffDate[0]->placeholderText(), payoffReason);
    QVERIFY(window->isVisible());

    // The sorts live with the same quotes.
    QTest::mouseClick(window->cmdPayoffDate, Qt::LeftButton);
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE(window->R(0), quint16(0));
}

void TestQuoteRows::rowTermBeyond32BitsIsRefused()
{
    Type(window->txtTerm[1], QStringLiteral("200000000"));

    // The form is right; the number is what does not fit.
    const QString tooLarge = QStringLiteral("The number is too large for this field.");
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{tooLarge});
    QCOMPARE(QApplication::focusWidget(), window->txtTerm[1]);
    QCOMPARE(window->Quotes[1]->Term(), 0);
}

void TestQuoteRows::fieldLeftWhileTheWindowWasAwayIsStored_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("lender") << "txtWho" << "First Bank" << "First Bank";
    // A name the list has is taken by the list itself as the focus goes; a
    // text that names no frequency is only taken by leaving the field.
    QTest::newRow("frequency named nowhere") << "cboFrequency" << "Yearly" << "";
}

// A message box or another program takes the focus while a row field is
// being typed into, and the click that brings the window back lands in
// another field: the field typed into has still been left.
void TestQuoteRows::fieldLeftWhileTheWindowWasAwayIsStored()
{
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QWidget* field = window->findChild<QWidget*>(column + QStringLiteral("_1"));
    Enter(field);
    QTest::keyClicks(QApplication::focusWidget(), text);

    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    window->txtPoints[2]->setFocus(Qt::MouseFocusReason);
    box.close();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    QCOMPARE(QApplication::focusWidget(), window->txtPoints[2]);
    const CLoan& quote = *window->Quotes[1];
    QCOMPARE(column == QLatin1String("txtWho") ? quote.Who() : quote.Frequency(), stored);
    QVERIFY(window->ScenarioChanged());
}

// Quote 0 is paid off in 2056, quote 1 has a term but no rate and so no
// date, quote 2 is paid off in 2036.
void TestQuoteRows::payoffSortPutsQuotesWithoutDateLast()
{
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QString(), QStringLiteral("15"), QString());
    TypeQuote(*window, 2, QStringLiteral("6"), QStringLiteral("10"), QStringLiteral("Biweekly"));

    QTest::mouseClick(window->cmdPayoffDate, Qt::LeftButton);

    QCOMPARE(window->SortMode(), 3);
    QCOMPARE(RowOrder(*window, 6), (QList<quint16>{2, 0, 1, 3, 4, 5}));
    QCOMPARE(window->txtTerm[0]->text(), QStringLiteral("10"));
    QCOMPARE(window->txtTerm[1]->text(), QStringLiteral("30"));
    QCOMPARE(window->txtTerm[2]->text(), QStringLiteral("15"));
    QCOMPARE(window->cboFrequency[0]->currentText(), QStringLiteral("Biweekly"));
    QCOMPARE(window->cboFrequency[1]->currentText(), QStringLiteral("Monthly"));
    QCOMPARE(window->cboFrequency[2]->currentText(), QString());
    QVERIFY(window->txtPayoffDate[0]->text().endsWith(QLatin1String("2036")));
    QVERIFY(window->txtPayoffDate[2]->text().isEmpty());

    // Row 0 now edits quote 2, the quote it shows.
    Type(window->txtInterestRate[0], QStringLiteral("5"));
    QCOMPARE(window->Quotes[2]->InterestRate(), 0.05);
    QCOMPARE(window->Quotes[0]->InterestRate(), 0.06);
    QCOMPARE(window->txtInterestRate[0]->text(), QStringLiteral("5.000%"));
    QCOMPARE(window->txtInterestRate[1]->text(), QStringLiteral("6.000%"));
}

void TestQuoteRows::tiesKeepTheirOrder_data()
{
    QTest::addColumn<QString>("button");

    QTest::newRow("payoff") << "cmdPayoffDate";
    QTest::newRow("interest") << "cmdInterest";
}

void TestQuoteRows::tiesKeepTheirOrder()
{
    QFETCH(QString, button);
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    TypeQuote(*window, 2, QStringLiteral("6"), QStringLiteral("10"), QStringLiteral("Monthly"));

    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(RowOrder(*window, 3), (QList<quint16>{2, 0, 1}));
}

void TestQuoteRows::lenderOnlySortsAboveEmpty_data()
{
    tiesKeepTheirOrder_data();
}

void TestQuoteRows::lenderOnlySortsAboveEmpty()
{
    QFETCH(QString, button);
    Type(window->txtWho[1], QStringLiteral("First Bank"));
    QCOMPARE(window->Quotes[1]->Who(), QStringLiteral("First Bank"));

    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(RowOrder(*window, 3), (QList<quint16>{1, 0, 2}));
    QCOMPARE(window->txtWho[0]->toPlainText(), QStringLiteral("First Bank"));
    QCOMPARE(window->txtWho[1]->toPlainText(), QString());
}

void TestQuoteRows::rowAppendedAfterSortShowsItsOwnQuote()
{
    Type(window->txtWho[1], QStringLiteral("First Bank"));
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QCOMPARE(window->LoadedUpperIndex(), 5);

    Enter(window->txtWho[5]);

    QCOMPARE(window->LoadedUpperIndex(), 6);
    const QList<quint16> order = RowOrder(*window, 7);
    QCOMPARE(order, (QList<quint16>{1, 0, 2, 3, 4, 5, 6}));
}

// The pressed button says which sort the rows are in. Clicking it again
// gives the rows back in the order the quotes were typed; File > New starts
// unsorted. Quote 2 is paid off first and costs least, quote 1 is paid off
// before quote 0 but costs the most.
void TestQuoteRows::sortButtonsShowTheActiveSort()
{
    Loan& w = *window;
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(w, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    TypeQuote(w, 1, QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("Monthly"));
    TypeQuote(w, 2, QStringLiteral("6"), QStringLiteral("10"), QStringLiteral("Monthly"));
    const auto pressed = [&w] { return std::make_pair(w.cmdPayoffDate->isChecked(), w.cmdInterest->isChecked()); };
    QCOMPARE(pressed(), std::make_pair(false, false));

    QTest::mouseClick(w.cmdPayoffDate, Qt::LeftButton);
    QCOMPARE(pressed(), std::make_pair(true, false));
    QCOMPARE(RowOrder(w, 3), (QList<quint16>{2, 1, 0}));
    QTest::mouseClick(w.cmdInterest, Qt::LeftButton);
    QCOMPARE(pressed(), std::make_pair(false, true));
    QCOMPARE(RowOrder(w, 3), (QList<quint16>{2, 0, 1}));

    QTest::mouseClick(w.cmdInterest, Qt::LeftButton);
    QCOMPARE(pressed(), std::make_pair(false, false));
    QCOMPARE(w.SortMode(), 1);
    QCOMPARE(RowOrder(w, 3), (QList<quint16>{0, 1, 2}));
    QCOMPARE(w.txtTerm[0]->text(), QStringLiteral("30"));
    QCOMPARE(w.txtInterestRate[1]->text(), QStringLiteral("14.000%"));
    QCOMPARE(w.txtTerm[2]->text(), QStringLiteral("10"));

    QTest::mouseClick(w.cmdPayoffDate, Qt::LeftButton);
    QCOMPARE(pressed(), std::make_pair(true, false));
    MessageBox::Intercept({QMessageBox::No});
    w.mnuFileNew->trigger();
    QCOMPARE(pressed(), std::make_pair(false, false));
    QCOMPARE(w.SortMode(), 1);
    Type(w.txtWho[0], QStringLiteral("First Bank"));
    QCOMPARE(w.Quotes[0]->Who(), QStringLiteral("First Bank"));
}

void TestQuoteRows::languageSwitchRefillsRowLists()
{
    TypeQuote(*window, 0, QString(), QString(), QStringLiteral("Monthly"));
    TypeQuote(*window, 1, QString(), QString(), QStringLiteral("Biweekly"));
    // Typing into a list fills it first.
    QCOMPARE(window->cboFrequency[1]->count(), 4);

    window->mnuToolsLanguageOpt[2]->trigger();

    QComboBox* first = window->cboFrequency[0];
    QCOMPARE(first->currentText(), QStringLiteral("Mensual"));
    QCOMPARE(first->count(), 4);
    QCOMPARE(first->itemText(0), QStringLiteral("Mensual"));
    QCOMPARE(window->cboFrequency[1]->currentText(), QStringLiteral("Bisemanal"));
    QCOMPARE(window->cboFrequency[2]->currentText(), QString());
    QCOMPARE(window->Quotes[0]->FrequencyCode(), QStringLiteral("M"));
    QCOMPARE(window->Quotes[1]->FrequencyCode(), QStringLiteral("W"));

    window->mnuToolsLanguageOpt[1]->trigger();
    QCOMPARE(window->cboFrequency[1]->currentText(), QStringLiteral("Biweekly"));
    QCOMPARE(window->Quotes[1]->FrequencyCode(), QStringLiteral("W"));
}

// A balance whose monthly interest is more than the payment never ends.
void TestQuoteRows::reasonsSpeakTheWindowsLanguage()
{
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6.5"), QString(), QStringLiteral("Monthly"));
    Type(window->txtCurLoanAmount, QStringLiteral("100000"));
    Type(window->txtCurLoanTerm, QStringLiteral("30"));
    Type(window->txtCurInterestRate, QStringLiteral("6"));
    Type(window->txtCurrentBalance, QStringLiteral("1000000"));
    QCOMPARE(window->txtPandI[0]->placeholderText(), QStringLiteral("No term"));
    QCOMPARE(window->txtCurPayoffDate->text(), QString());
    QCOMPARE(window->txtCurPayoffDate->placeholderText(), QStringLiteral("Never paid off"));

    window->mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(window->txtPandI[0]->placeholderText(), QStringLiteral("Falta el plazo"));
    QCOMPARE(window->txtCurPayoffDate->placeholderText(), QStringLiteral("Nunca se liquida"));

    Type(window->txtCurrentBalance, QStringLiteral("90000"));
    QVERIFY(!window->txtCurPayoffDate->text().isEmpty());
    MessageBox::Intercept({QMessageBox::No});
    window->mnuFileNew->trigger();
    QCOMPARE(window->txtPandI[0]->placeholderText(), QString());
    QCOMPARE(window->txtCurPayoffDate->placeholderText(), QString());
}

// A result, a raised payment, a missing input and the What's-this glyph
// keep their meaning and stay readable when the desktop's palette is dark.
void TestQuoteRows::darkPaletteKeepsTheColoursReadable()
{
    window.reset();
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkFusionPalette());
    OpenWindow();
    TypeLoanAmount(QStringLiteral("100000"));
    TypeQuote(*window, 0, QStringLiteral("6.5"), QStringLiteral("30"), QStringLiteral("Monthly"));
    Type(window->txtActualPayment[0], QStringLiteral("100"));
    TypeQuote(*window, 1, QStringLiteral("6"), QString(), QStringLiteral("Monthly"));
    Type(window->txtCurLoanAmount, QStringLiteral("100000"));

    QLineEdit* result = window->txtPandI[0];
    QVERIFY(TextContrast(result) >= 4.5);
    QVERIFY(std::abs(result->palette().color(QPalette::Base).lightness()
                     - window->txtPoints[0]->palette().color(QPalette::Base).lightness())
            >= 20);
    QVERIFY(TextContrast(window->txtPandI[1], QPalette::PlaceholderText) >= 3);
    QVERIFY(IsRaised(window->txtActualPayment[0]));
    QVERIFY(TextContrast(window->txtActualPayment[0]) >= 4.5);
    QVERIFY(TextContrast(window->txtCurLoanTerm) >= 4.5);
    QToolButton* whatsThis = window->cmdWhatsThis;
    QCOMPARE(whatsThis->toolButtonStyle(), Qt::ToolButtonTextOnly);
    QVERIFY(Contrast(whatsThis->palette().color(QPalette::ButtonText), whatsThis->palette().color(QPalette::Button))
            >= 4.5);

    window.reset();
    QApplication::setPalette(light);
}

QTEST_MAIN(TestQuoteRows)
#include "tst_quoterows.moc"
