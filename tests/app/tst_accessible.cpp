// What a screen reader user meets: every field, list, box and button of each
// window has a name, result fields say what their value means, the names
// follow a language switch, and Tab goes through the main window in reading
// order.

#include "QuoteSheet.h"
#include "tests/app/WindowTest.h"

#include "app/MessageBox.h"
#include "app/frmHelp.h"
#include "dialogs/dlgWho.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmCosts.h"
#include "dialogs/frmOptions.h"
#include "print/PrintJob.h"
#include "print/frmPrint.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

namespace {

bool IsInteractive(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QTextEdit*>(widget);
}

// A list's text field, a date's text and a table's cell editor or corner
// button are read as part of the control that holds them.
bool IsPartOfControl(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* outer = widget->parentWidget(); outer && outer != window; outer = outer->parentWidget()) {
        if (qobject_cast<const QComboBox*>(outer) || qobject_cast<const QAbstractSpinBox*>(outer)
            || qobject_cast<const QAbstractItemView*>(outer))
            return true;
    }
    return false;
}

// The interactive widgets the user can see in the window that a screen
// reader would find no name for, by objectName.
QStringList Unnamed(QWidget* window)
{
    QStringList offenders;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisibleTo(window) || !IsInteractive(widget)
            || IsPartOfControl(widget, window))
            continue;
        QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(widget);
        if (!readable || readable->text(QAccessible::Name).trimmed().isEmpty())
            offenders << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                  + QStringLiteral(" in ") + widget->parentWidget()->objectName()
                                                         : widget->objectName());
    }
    return offenders;
}

QString NameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString DescriptionOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

// The widget that has the focus, a list's text field taken as its list.
QWidget* Focused()
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && qobject_cast<QComboBox*>(focused->parentWidget()))
        return focused->parentWidget();
    return focused;
}

} // namespace

class TestAccessible : public WindowTest
{
    Q_OBJECT

private slots:
    void everyWindowNamesItsControls();
    void namesFollowTheLanguage();
    void tabGoesInReadingOrder();

private:
    void TypeQuotes();
    frmCosts* OpenCosts();
};

void TestAccessible::TypeQuotes()
{
    Loan& w = *window;
    QuoteSheet::Type(w.txtLoanAmount, QStringLiteral("200000"));
    QuoteSheet::TypeQuote(w, 0, QStringLiteral("6.5"), QStringLiteral("360"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(w, 1, QStringLiteral("7.25"), QStringLiteral("180"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(w, 2, QStringLiteral("5.875"), QStringLiteral("360"), QStringLiteral("Monthly"));
    QTRY_VERIFY(!w.Timer1->isActive());
}

frmCosts* TestAccessible::OpenCosts()
{
    window->findChild<QAction*>(QStringLiteral("mnuToolsCosts"))->trigger();
    auto* costs = window->findChild<frmCosts*>(QStringLiteral("frmCosts"));
    return costs && QTest::qWaitForWindowActive(costs) ? costs : nullptr;
}

void TestAccessible::everyWindowNamesItsControls()
{
    Loan& w = *window;
    MessageBox::Intercept();
    TypeQuotes();
    QVERIFY2(Unnamed(&w).isEmpty(), qPrintable(QStringLiteral("Unnamed: ") + Unnamed(&w).join(QStringLiteral(", "))));
    QCOMPARE(NameOf(w.txtInterestRate[2]), QStringLiteral("Quote 3, interest rate"));
    QCOMPARE(NameOf(w.chkPoints[0]), QStringLiteral("Quote 1, points financed"));
    // On Linux Qt reads a list's text as its name while it shows one.
    QCOMPARE(w.cboFrequency[1]->accessibleName(), QStringLiteral("Quote 2, payment frequency"));
    QCOMPARE(NameOf(w.cboFrequency[3]), QStringLiteral("Quote 4, payment frequency"));
    QCOMPARE(NameOf(w.txtWho[0]), QStringLiteral("Quote 1, lender and contact"));
    QCOMPARE(NameOf(w.txtLoanAmount), QStringLiteral("New loan, Loan Amount"));
    QCOMPARE(NameOf(w.txtCurrentBalance), QStringLiteral("Current loan, Current Balance"));
    QCOMPARE(NameOf(w.dtNextPayment), QStringLiteral("Current loan, Next Payment"));
    // A list in a section is labelled by its caption as well.
    const auto labels = QAccessible::queryAccessibleInterface(w.cboCurPaymentFrequency)->relations(QAccessible::Label);
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&w](const auto& label) { return label.first->object() == w.lblCurPaymentFrequency; }));
    // Results say what their value means; inputs keep their tooltips.
    QCOMPARE(NameOf(w.txtPandI[0]), QStringLiteral("Quote 1, principal and interest"));
    for (QWidget* result : {static_cast<QWidget*>(w.txtPandI[0]), static_cast<QWidget*>(w.txtPayment[1]),
                            static_cast<QWidget*>(w.txtPayoffDate[2]), static_cast<QWidget*>(w.txtInterest[2]),
                            static_cast<QWidget*>(w.txtMonthlyEscrow), static_cast<QWidget*>(w.txtCurPayment),
                            static_cast<QWidget*>(w.txtCurPayoffDate), static_cast<QWidget*>(w.txtCurAmountLeft),
                            static_cast<QWidget*>(w.txtCurInterestLeft)})
        QVERIFY2(!result->accessibleDescription().isEmpty(), qPrintable(result->objectName()));
    QCOMPARE(DescriptionOf(w.txtInterestRate[0]), w.txtInterestRate[0]->toolTip());

    // A row made when the user reaches the last one is named as it appears.
    const int last = w.LoadedUpperIndex();
    w.txtInterestRate[static_cast<std::size_t>(last)]->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(w.LoadedUpperIndex(), last + 1);
    QCOMPARE(NameOf(w.txtWho.back()), QStringLiteral("Quote %1, lender and contact").arg(last + 2));

    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QVERIFY2(Unnamed(costs).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(costs).join(QStringLiteral(", "))));
    QCOMPARE(NameOf(costs->tblCosts), QStringLiteral("True costs of the quotes"));
    QCOMPARE(NameOf(costs->txtHorizon), QStringLiteral("Horizon (years)"));
    costs->close();

    w.mnuToolsOptions->trigger();
    auto* options = w.findChild<frmOptions*>(QStringLiteral("frmOptions"));
    QVERIFY(options && QTest::qWaitForWindowExposed(options));
    QVERIFY2(Unnamed(options).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(options).join(QStringLiteral(", "))));
    QCOMPARE(NameOf(options->optTerm[1]), QStringLiteral("Years"));
    QCOMPARE(NameOf(options->txtLoans), QStringLiteral("Number of Loans to display"));
    options->reject();

    frmAbout about(&w);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY2(Unnamed(&about).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(&about).join(QStringLiteral(", "))));
    about.hide();

    QTest::mouseDClick(w.txtWho[1]->viewport(), Qt::LeftButton);
    auto* who = w.findChild<dlgWho*>(QStringLiteral("dlgWho"));
    QVERIFY(who && QTest::qWaitForWindowExposed(who));
    QVERIFY2(Unnamed(who).isEmpty(), qPrintable(QStringLiteral("Unnamed: ") + Unnamed(who).join(QStringLiteral(", "))));
    QCOMPARE(NameOf(who->txtWho), QStringLiteral("Quote 2, lender and contact"));
    who->reject();

    w.mnuHelpContents->trigger();
    auto* help = w.findChild<frmHelp*>();
    QVERIFY2(help && help->isVisible(), qPrintable(MessageBox::RecordedTexts().join('\n')));
    QVERIFY2(Unnamed(help).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(help).join(QStringLiteral(", "))));
    help->close();

    const QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("named.pdf")));
    RunPrintJob(w, printer);
    auto* progress = w.findChild<frmPrint*>(QStringLiteral("frmPrint"));
    QVERIFY(progress && progress->isVisible());
    QVERIFY2(Unnamed(progress).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(progress).join(QStringLiteral(", "))));
    QTRY_VERIFY_WITH_TIMEOUT(!w.findChild<frmPrint*>(QStringLiteral("frmPrint")), frmPrint::TimerInterval + 5000);
}

void TestAccessible::namesFollowTheLanguage()
{
    Loan& w = *window;
    MessageBox::Intercept();
    TypeQuotes();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    w.mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(NameOf(w.txtInterestRate[2]), QStringLiteral("Cotización 3, tasa de interés"));
    QCOMPARE(NameOf(w.txtCurrentBalance), QStringLiteral("Préstamo actual, Saldo Actual"));
    QCOMPARE(
        DescriptionOf(w.txtCurAmountLeft),
        QStringLiteral("Todo lo que falta pagar del préstamo actual a partir del próximo pago, intereses incluidos"));
    QCOMPARE(NameOf(w.txtWho.back()), QStringLiteral("Cotización %1, prestamista y contacto").arg(w.txtWho.size()));
    QCOMPARE(NameOf(costs->tblCosts), QStringLiteral("Costos reales de las cotizaciones"));
    QCOMPARE(NameOf(costs->txtHorizon), QStringLiteral("Horizonte (años)"));
    QVERIFY2(Unnamed(&w).isEmpty(), qPrintable(QStringLiteral("Unnamed: ") + Unnamed(&w).join(QStringLiteral(", "))));
    QVERIFY2(Unnamed(costs).isEmpty(),
             qPrintable(QStringLiteral("Unnamed: ") + Unnamed(costs).join(QStringLiteral(", "))));

    // The term's unit is part of the caption the field is named after.
    w.ProgramSettings().TermInMonths = false;
    w.ApplyLanguageTexts();
    QVERIFY2(NameOf(w.txtLoanTerm).contains(QStringLiteral("años"), Qt::CaseInsensitive),
             qPrintable(NameOf(w.txtLoanTerm)));

    w.mnuToolsLanguageOpt[1]->trigger();
    QCOMPARE(NameOf(w.txtInterestRate[2]), QStringLiteral("Quote 3, interest rate"));
    QCOMPARE(NameOf(costs->chtBalance), QStringLiteral("Balance over time"));
}

// Tab from the first field: the new loan, each row's inputs left to right,
// row by row (the grid adds a row as Tab reaches the last), then the current
// loan. Results are passed over.
void TestAccessible::tabGoesInReadingOrder()
{
    Loan& w = *window;
    MessageBox::Intercept();
    w.cboLoanName->setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited {Focused()};
    for (int press = 0; press < 400 && Focused() != w.cmdShare; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (Focused() != visited.back())
            visited << Focused();
    }
    QList<QWidget*> expected {w.cboLoanName, w.cboLoanType,    w.txtLoanAmount,     w.txtLoanTerm,
                              w.dtFirstPayment, w.txtAnnualTaxes, w.txtAnnualInsurance};
    for (std::size_t d = 0; d < w.chkPoints.size(); ++d)
        expected << w.chkPoints[d] << w.txtPoints[d] << w.txtInterestRate[d] << w.txtTerm[d] << w.cboFrequency[d]
                 << w.txtActualPayment[d] << w.txtWho[d];
    expected << w.txtCurLoanAmount << w.txtCurLoanTerm << w.txtCurInterestRate << w.cboCurPaymentFrequency
             << w.txtCurActualPayment << w.cboActPaymentFrequency << w.dtNextPayment << w.txtCurrentBalance
             << w.cmdShare;
    const auto names = [](const QList<QWidget*>& widgets) {
        QStringList list;
        for (const QWidget* widget : widgets)
            list << (widget ? widget->objectName() : QStringLiteral("(none)"));
        return list;
    };
    QVERIFY(w.chkPoints.size() > 3);
    QCOMPARE(names(visited), names(expected));
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
