// The costs window opened from Tools, driven through its widgets over a
// scenario typed into the real main window.

#include "../app/FreshStart.h"
#include "../app/QuoteSheet.h"
#include "../app/UserInput.h"

#include "app/MessageBox.h"
#include "app/HelpBrowser.h"
#include "app/frmHelp.h"
#include "dialogs/BalanceLegend.h"
#include "dialogs/TwoLineHeader.h"
#include "dialogs/frmCosts.h"
#include "engine/DayCount.h"
#include "model/LoanDocument.h"
#include "print/PrintDialogs.h"
#include "model/CostsTable.h"
#include "scenario/NumberField.h"
#include "store/RegistryAPI.h"
#include "model/ScheduleTable.h"
#include "store/Settings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QDateEdit>
#include <QClipboard>
#include <QLegend>
#include <QPalette>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTemporaryDir>
#include <QScreen>
#include <QTest>

#include <optional>

namespace {

void TypeWho(QPlainTextEdit* who, const QString& text)
{
    QTest::mouseClick(who->viewport(), Qt::LeftButton);
    QTest::keyClicks(who, text);
    QTest::keyClick(who, Qt::Key_Tab);
}

QString Cell(const frmCosts& costs, int row, int column, int role = Qt::DisplayRole)
{
    const QAbstractItemModel* model = costs.tblCosts->model();
    return model->data(model->index(row, column), role).toString();
}

// Types into a cell of the table as a user does: F2 opens the editor, Enter
// takes the text.
// The offscreen platform leaves the focus where it was when another window
// shows; a user's click on the window takes it there.
bool Activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

bool FocusTable(QTableView* table)
{
    if (!Activate(table->window()))
        return false;
    table->setFocus();
    return table->hasFocus();
}

void TypeIntoCell(QTableView* table, int row, int column, const QString& text, bool paste = false)
{
    QVERIFY(FocusTable(table));
    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    if (paste) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Every heading, its lines as drawn, fits the room the style leaves it in
// its section, the sorted section's arrow besides; no column is out of sight.
void VerifyHeadingsFit(QTableView* table)
{
    auto* header = static_cast<TwoLineHeader*>(table->horizontalHeader());
    QFont bold = header->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int section = 0; section < header->count(); ++section) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.state |= QStyle::State_Horizontal;
        option.rect = QRect(0, 0, header->sectionSize(section), header->height());
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
            option.sortIndicator = QStyleOptionHeader::SortUp;
        const QRect room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        const QString text = header->ShownText(section);
        const QSize size = metrics.size(0, text);
        QVERIFY2(size.width() <= room.width() && size.height() <= room.height(),
                 qPrintable(QStringLiteral("%1: %2x%3 in %4x%5").arg(text).arg(size.width()).arg(size.height())
                                .arg(room.width()).arg(room.height())));
    }
    QVERIFY(!table->horizontalScrollBar()->isVisible());
}

void ClickHeading(QTableView* table, int column)
{
    QHeaderView* header = table->horizontalHeader();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

QStringList Column(const QTableView* table, int column)
{
    QStringList cells;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        cells << table->model()->index(row, column).data().toString();
    return cells;
}

void ToggleCell(QTableView* table, int row, int column)
{
    QVERIFY(FocusTable(table));
    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table, Qt::Key_Space);
}

} // namespace

class TestCostsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithEveryQuoteThatHasResults();
    void financedClosingCostsChangeTheSheetsPayment();
    void scheduleIsWrittenForSpreadsheets();
    void closingCostsAreSavedAndLoaded();
    void faultsShowReasonsNotFigures();
    void textsFollowTheLanguage();
    void chartFollowsADarkPalette();
    void opensOnTheSheetAsItShowsNow();
    void everyHeadingFitsASmallScreenInSpanish();
    void legendNamesEveryLineWholeAndApart();
    void headingsSortAndTheChosenQuoteStays();
    void openedAgainItComesBackOnTheScreen();
    void loanEstimateIsEnteredCheckedAndUndone();
    void firstPaymentMovesEverySchedule();

private:
    void TypeScenario(const QStringList& lenders = {QStringLiteral("First Bank"), QStringLiteral("Second Bank"),
                                                    QStringLiteral("Third Bank")});
    frmCosts* OpenCosts();

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
};

void TestCostsWindow::init()
{
    fresh.emplace();
    RegistryAPI::CreateKey(RegistryAPI::Root::CurrentUser, Settings::ProgramKey);
    window = QuoteSheet::OpenWindow();
    QVERIFY(window);
}

void TestCostsWindow::cleanup()
{
    PrintDialogs::Intercept({});
    window.reset();
    fresh.reset();
}

// A current loan at 7.5 % and three quotes below it, from the lenders given;
// row 3 stays empty.
void TestCostsWindow::TypeScenario(const QStringList& lenders)
{
    Loan& w = *window;
    TypeInto(w.txtLoanAmount, QStringLiteral("200000"));
    TypeInto(w.txtCurLoanAmount, QStringLiteral("220000"));
    TypeInto(w.txtCurLoanTerm, QStringLiteral("30"));
    TypeInto(w.txtCurInterestRate, QStringLiteral("7.5"));
    TypeInto(w.txtCurrentBalance, QStringLiteral("200000"));
    QuoteSheet::TypeQuote(w, 0, QStringLiteral("6.5"), QStringLiteral("30"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(w, 1, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Biweekly"));
    QuoteSheet::TypeQuote(w, 2, QStringLiteral("5.5"), QStringLiteral("15"), QStringLiteral("Monthly"));
    QuoteSheet::Type(w.txtPoints[2], QStringLiteral("2"));
    for (int row = 0; row < 3; ++row)
        TypeWho(w.txtWho[static_cast<std::size_t>(row)], lenders.at(row));
}

frmCosts* TestCostsWindow::OpenCosts()
{
    auto* command = window->findChild<QAction*>(QStringLiteral("mnuToolsCosts"));
    if (!command)
        return nullptr;
    command->trigger();
    auto* costs = window->findChild<frmCosts*>(QStringLiteral("frmCosts"));
    return costs && QTest::qWaitForWindowActive(costs) ? costs : nullptr;
}

void TestCostsWindow::opensWithEveryQuoteThatHasResults()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QVERIFY(!costs->isModal());
    const QList<QAction*> tools = window->mnuTools->actions();
    QCOMPARE(tools.indexOf(window->findChild<QAction*>(QStringLiteral("mnuToolsCosts"))),
             tools.indexOf(window->mnuToolsOptions) + 1);

    QCOMPARE(costs->tblCosts->model()->rowCount(), 3);
    QCOMPARE(Cell(*costs, 0, CostsTable::Lender), QStringLiteral("First Bank"));
    QCOMPARE(Cell(*costs, 2, CostsTable::Rate), QStringLiteral("5.500%"));
    // No costs: the APR is the note rate, within the cent rounding.
    QCOMPARE(Cell(*costs, 0, CostsTable::Apr), QStringLiteral("6.500%"));
    QCOMPARE(Cell(*costs, 2, CostsTable::PointsCost), QStringLiteral("$4,000.00"));
    QVERIFY(Cell(*costs, 2, CostsTable::Apr) > QStringLiteral("5.8"));
    QCOMPARE(Cell(*costs, 0, CostsTable::BreakEven), QStringLiteral("1 month"));
    QCOMPARE(Cell(*costs, 2, CostsTable::BreakEven), QStringLiteral("12 months"));
    QCOMPARE(Cell(*costs, 1, CostsTable::Payback), QStringLiteral("0 months"));
    // Fifteen years cost more a month than the current loan: nothing saved.
    QCOMPARE(Cell(*costs, 2, CostsTable::Payback), QStringLiteral("Never"));

    // One line per quote and one for the current loan, named for the legend.
    QStringList names;
    for (QAbstractSeries* series : costs->Chart()->series())
        names << series->name();
    QCOMPARE(names, (QStringList{QStringLiteral("First Bank"), QStringLiteral("Second Bank"),
                                 QStringLiteral("Third Bank"), QStringLiteral("Current loan")}));
    // A line ends at the payoff, at nothing owed.
    const auto* third = static_cast<QLineSeries*>(costs->Chart()->series().at(2));
    QCOMPARE(third->points().constLast().y(), 0.0);

    // The schedule of the chosen quote: 15 years monthly, its last date the
    // payoff date the sheet shows.
    costs->tblCosts->selectRow(2);
    const QAbstractItemModel* schedule = costs->tblSchedule->model();
    QVERIFY(schedule->rowCount() >= 180 && schedule->rowCount() <= 181);
    QCOMPARE(schedule->data(schedule->index(schedule->rowCount() - 1, ScheduleTable::Date)).toString(),
             window->txtPayoffDate[2]->text());

    // The sheet changes, the window follows: a rate of 0 leaves no results.
    QVERIFY(Activate(window.get()));
    TypeInto(window->txtInterestRate[1], QStringLiteral("0"));
    QCOMPARE(window->Quotes[1]->InterestRate(), 0.0);
    QTRY_COMPARE(costs->tblCosts->model()->rowCount(), 2);
    QVERIFY(Activate(window.get()));
    TypeInto(window->txtInterestRate[1], QStringLiteral("7"));
    QTRY_COMPARE(costs->tblCosts->model()->rowCount(), 3);
    QTRY_COMPARE(costs->Chart()->series().size(), 4);

    // Sorted on the sheet, the table takes the sheet's order at once, and
    // the chosen quote stays chosen.
    costs->tblCosts->selectRow(1);
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::Lender), QStringLiteral("Third Bank"));
    QCOMPARE(Cell(*costs, 2, CostsTable::Lender), QStringLiteral("Second Bank"));
    QCOMPARE(costs->tblCosts->currentIndex().row(), 2);
    QCOMPARE(costs->Chart()->series().at(0)->name(), QStringLiteral("Third Bank"));
    QCOMPARE(costs->Chart()->title(), QString());
}

void TestCostsWindow::financedClosingCostsChangeTheSheetsPayment()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$1,264.14"));

    TypeIntoCell(costs->tblCosts, 0, CostsTable::ClosingCosts, QStringLiteral("4000"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::ClosingCosts), QStringLiteral("$4,000.00"));
    // Paid in cash, the payment stays; the APR takes the costs in.
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$1,264.14"));
    QVERIFY(Cell(*costs, 0, CostsTable::Apr) > QStringLiteral("6.6"));
    QVERIFY(window->ScenarioChanged());

    // Financed, they are borrowed: 204,000 at 6.5 % is 1,289.42.
    ToggleCell(costs->tblCosts, 0, CostsTable::Financed);
    QCOMPARE(window->txtPandI[0]->text(), QStringLiteral("$1,289.42"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::Financed, Qt::CheckStateRole).toInt(), int(Qt::Checked));

    // A text that is no amount is refused as the sheet's fields refuse it,
    // and the costs stay as they were; a typed letter never gets in.
    MessageBox::ClearRecorded();
    TypeIntoCell(costs->tblCosts, 0, CostsTable::ClosingCosts, QStringLiteral("12.345"));
    QTRY_COMPARE(MessageBox::RecordedTexts(),
                 QStringList{QStringLiteral("Please enter a number in the form nnnn.nn")});
    QCOMPARE(Cell(*costs, 0, CostsTable::ClosingCosts), QStringLiteral("$4,000.00"));
    QCOMPARE(window->Quotes[0]->ClosingCosts(), Money::FromDouble(4000));
    TypeIntoCell(costs->tblCosts, 0, CostsTable::ClosingCosts, QStringLiteral("3x500"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::ClosingCosts), QStringLiteral("$3,500.00"));
    QCOMPARE(MessageBox::RecordedTexts().size(), 1);

    // An amount pasted as people copy it gets in without its sign and groups;
    // a typed full stop is still the decimal point.
    TypeIntoCell(costs->tblCosts, 0, CostsTable::ClosingCosts, QStringLiteral(" $2,750.25"), true);
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::ClosingCosts), QStringLiteral("$2,750.25"));
    TypeIntoCell(costs->tblCosts, 0, CostsTable::ClosingCosts, QStringLiteral("1.5"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::ClosingCosts), QStringLiteral("$1.50"));
    QCOMPARE(MessageBox::RecordedTexts().size(), 1);
}

void TestCostsWindow::scheduleIsWrittenForSpreadsheets()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    costs->tblCosts->selectRow(1);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("second.csv"));
    QString caption;
    PrintDialogs::Intercept([&](QDialog& dialog) {
        auto* file = qobject_cast<QFileDialog*>(&dialog);
        caption = dialog.windowTitle();
        file->selectFile(path);
        return int(QDialog::Accepted);
    });
    // Regional settings with a decimal comma change nothing in the file.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QTest::mouseClick(costs->cmdExportCsv, Qt::LeftButton);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QCOMPARE(caption, QStringLiteral("Export CSV..."));

    // The byte-order mark tells spreadsheet programs the file is UTF-8.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("No.,Date,Payment,Interest,Principal,Escrow,Balance"));
    QCOMPARE(lines.size() - 1, costs->tblSchedule->model()->rowCount());
    // Biweekly from 15 March 2026: the second payment is two weeks later.
    const QStringList second = lines.at(2).split(QLatin1Char(','));
    QCOMPARE(second.at(0), QStringLiteral("2"));
    QCOMPARE(second.at(1), QStringLiteral("2026-03-29"));
    QVERIFY(second.at(2).contains(QLatin1Char('.')));
    // Every amount to the cent, as the window shows it.
    const QRegularExpression cents(QStringLiteral("^\\d+\\.\\d\\d$"));
    for (const QString& line : lines.mid(1)) {
        for (const QString& amount : line.split(QLatin1Char(',')).mid(2, 5))
            QVERIFY2(cents.match(amount).hasMatch(), qPrintable(line));
    }
    const QAbstractItemModel* schedule = costs->tblSchedule->model();
    for (const int column : {ScheduleTable::Payment, ScheduleTable::Interest, ScheduleTable::Balance})
        QCOMPARE(second.at(column),
                 schedule->index(1, column).data().toString().remove(QLatin1Char('$')).remove(QLatin1Char(',')));
    QCOMPARE(lines.last().split(QLatin1Char(',')).last(), QStringLiteral("0.00"));

    // A folder that is not there: a message, nothing written.
    path = folder.filePath(QStringLiteral("missing/second.csv"));
    QTest::mouseClick(costs->cmdExportCsv, Qt::LeftButton);
    QCOMPARE(MessageBox::RecordedTexts().constLast(),
             QStringLiteral("The CSV file ") + path
                 + QStringLiteral(" could not be written. Check that its folder exists and that you may write to it."));
}

void TestCostsWindow::closingCostsAreSavedAndLoaded()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    TypeIntoCell(costs->tblCosts, 1, CostsTable::ClosingCosts, QStringLiteral("2500.5"));
    ToggleCell(costs->tblCosts, 1, CostsTable::Financed);
    QTRY_VERIFY(window->Quotes[1]->FinanceClosingCosts());
    QVERIFY(Activate(window.get()));
    window->cboLoanName->setFocus();
    TypeText(window->cboLoanName, QStringLiteral("Casa"));
    QTest::keyClick(window->cboLoanName, Qt::Key_Tab);
    window->mnuFileSave->trigger();
    QVERIFY(!window->ScenarioChanged());

    window->mnuFileNew->trigger();
    QTRY_COMPARE(costs->tblCosts->model()->rowCount(), 0);
    // Nothing to compare: the empty window says so.
    QCOMPARE(costs->Chart()->title(), QStringLiteral("No quote on the sheet has results yet"));
    QCOMPARE(window->Quotes[1]->ClosingCosts(), Money());
    QVERIFY(PickFrom(window->cboLoanName, QStringLiteral("Casa")));
    QCOMPARE(window->Quotes[1]->ClosingCosts(), Money::FromDouble(2500.5));
    QVERIFY(window->Quotes[1]->FinanceClosingCosts());
    QVERIFY(!window->Quotes[0]->FinanceClosingCosts());
    QTRY_COMPARE(Cell(*costs, 1, CostsTable::ClosingCosts), QStringLiteral("$2,500.50"));
    QVERIFY(!window->ScenarioChanged());
}

void TestCostsWindow::faultsShowReasonsNotFigures()
{
    Loan& w = *window;
    TypeInto(w.txtLoanAmount, QStringLiteral("100000"));
    // No term, and a payment short of the interest: never paid off.
    QuoteSheet::TypeQuote(w, 0, QStringLiteral("6"), QString(), QStringLiteral("Monthly"));
    QuoteSheet::Type(w.txtTerm[0], QStringLiteral("0"));
    QuoteSheet::Type(w.txtActualPayment[0], QStringLiteral("100"));
    // Closing costs larger than the loan.
    QuoteSheet::TypeQuote(w, 1, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    TypeIntoCell(costs->tblCosts, 1, CostsTable::ClosingCosts, QStringLiteral("150000"));
    QTRY_COMPARE(Cell(*costs, 1, CostsTable::ClosingCosts), QStringLiteral("$150,000.00"));

    QCOMPARE(costs->tblCosts->model()->rowCount(), 2);
    QCOMPARE(Cell(*costs, 0, CostsTable::Apr), QString());
    QVERIFY(Cell(*costs, 0, CostsTable::Apr, Qt::ToolTipRole).startsWith(QStringLiteral("No rate fits")));
    QCOMPARE(Cell(*costs, 0, CostsTable::BreakEven), QStringLiteral("Never"));
    QCOMPARE(Cell(*costs, 0, CostsTable::BreakEven, Qt::ToolTipRole),
             QStringLiteral("This quote is never paid off at its actual payment."));
    QCOMPARE(Cell(*costs, 0, CostsTable::CostOverHorizon), QString());
    QCOMPARE(Cell(*costs, 1, CostsTable::Apr), QString());
    // No current loan to compare with.
    QCOMPARE(Cell(*costs, 1, CostsTable::BreakEven), QString());
    QVERIFY(Cell(*costs, 1, CostsTable::BreakEven, Qt::ToolTipRole).startsWith(QStringLiteral("The current loan")));
    QCOMPARE(Cell(*costs, 1, CostsTable::Payback), QString());
    QCOMPARE(costs->Chart()->series().size(), 1);

    // Horizons of 0 (each quote's term), one year and a century.
    const QString term = Cell(*costs, 1, CostsTable::CostOverHorizon);
    QVERIFY(Activate(costs));
    TypeInto(costs->txtHorizon, QStringLiteral("1"));
    QVERIFY(Cell(*costs, 1, CostsTable::CostOverHorizon) < term);
    TypeInto(costs->txtHorizon, QStringLiteral("250"));
    QCOMPARE(costs->txtHorizon->text(), QStringLiteral("100"));
    QCOMPARE(Cell(*costs, 1, CostsTable::CostOverHorizon), term);
    TypeInto(costs->txtHorizon, QStringLiteral("0"));
    QCOMPARE(costs->txtHorizon->text(), QString());
    QCOMPARE(Cell(*costs, 1, CostsTable::CostOverHorizon), term);
}

void TestCostsWindow::textsFollowTheLanguage()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QCOMPARE(costs->windowTitle(), QStringLiteral("Compare Costs"));
    window->mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(costs->windowTitle(), QStringLiteral("Comparar costos"));
    QCOMPARE(costs->cmdExportCsv->text(), QStringLiteral("&Exportar CSV..."));
    const QAbstractItemModel* model = costs->tblCosts->model();
    QCOMPARE(model->headerData(CostsTable::Apr, Qt::Horizontal).toString(), QStringLiteral("TAE"));
    QCOMPARE(Cell(*costs, 0, CostsTable::BreakEven), QStringLiteral("1 mes"));
    QCOMPARE(Cell(*costs, 2, CostsTable::BreakEven), QStringLiteral("12 meses"));
    QCOMPARE(costs->Chart()->series().constLast()->name(), QStringLiteral("Préstamo actual"));
    // F1 here opens the help of the language shown, which explains this window.
    QVERIFY(FocusTable(costs->tblCosts));
    QTest::keyClick(costs->tblCosts, Qt::Key_F1);
    auto* help = window->findChild<frmHelp*>();
    QVERIFY(help && help->isVisible());
    QVERIFY(help->txtTopic->source().toString().endsWith(QLatin1String("index.html")));
    help->txtTopic->setSource(QUrl(help->txtTopic->source().toString().replace(QLatin1String("index.html"),
                                                                              QLatin1String("costs.html"))));
    QVERIFY(help->txtTopic->toPlainText().contains(QStringLiteral("Punto de equilibrio")));
    help->close();
    QCOMPARE(costs->txtHorizon->placeholderText(), QStringLiteral("Plazo de cada cotización"));
    window->mnuTools->popup(QPoint());
    window->mnuTools->hide();
    QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnuToolsCosts"))->text(),
             QStringLiteral("&Comparar costos..."));
}

// Lines, labels and legend stay readable when the desktop turns dark, and
// light again when it turns back.
void TestCostsWindow::chartFollowsADarkPalette()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    QTRY_COMPARE(costs->Chart()->theme(), QChart::ChartThemeDark);
    QVERIFY(costs->Chart()->legend()->labelColor().lightness() > 160);
    QVERIFY(costs->Chart()->backgroundBrush().color().lightness() < 100);
    QApplication::setPalette(light);
    QTRY_COMPARE(costs->Chart()->theme(), QChart::ChartThemeLight);
    QVERIFY(costs->Chart()->legend()->labelColor().lightness() < 100);
}

// Sorted, then cleared: the sheet's rows keep the sort's order of quotes,
// yet a quote without a lender is named by the row it shows on. A rate still
// being typed counts, as if the user had left its field.
void TestCostsWindow::opensOnTheSheetAsItShowsNow()
{
    TypeScenario();
    QTest::mouseClick(window->cmdInterest, Qt::LeftButton);
    QVERIFY(window->R(0) != 0);
    MessageBox::Intercept({QMessageBox::No});
    window->mnuFileNew->trigger();
    QVERIFY(!window->ScenarioChanged());
    TypeInto(window->txtLoanAmount, QStringLiteral("100000"));
    QuoteSheet::TypeQuote(*window, 0, QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("Monthly"));
    QuoteSheet::TypeQuote(*window, 1, QString(), QStringLiteral("15"), QStringLiteral("Monthly"));
    QuoteSheet::Enter(window->txtInterestRate[1]);
    QTest::keyClicks(window->txtInterestRate[1], QStringLiteral("4.125"));

    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QCOMPARE(costs->tblCosts->model()->rowCount(), 2);
    QCOMPARE(Cell(*costs, 0, CostsTable::Lender), QStringLiteral("No. 1"));
    QCOMPARE(Cell(*costs, 1, CostsTable::Lender), QStringLiteral("No. 2"));
    QCOMPARE(Cell(*costs, 1, CostsTable::Rate), QStringLiteral("4.125%"));
    QCOMPARE(costs->Chart()->series().at(1)->name(), QStringLiteral("No. 2"));
    QCOMPARE(window->txtInterestRate[1]->text(), QStringLiteral("4.125"));
}

// The size the window takes on a 1024x768 screen, in the language with the
// longer headings: every heading is read whole, the schedule needs no
// sideways scrolling, and a payment takes one line.
void TestCostsWindow::everyHeadingFitsASmallScreenInSpanish()
{
    TypeScenario();
    window->mnuToolsLanguageOpt[2]->trigger();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    costs->resize(1024 * 9 / 10, 768 * 9 / 10);
    QTest::qWait(50);
    QVERIFY(costs->width() <= 1024);
    VerifyHeadingsFit(costs->tblCosts);
    VerifyHeadingsFit(costs->tblSchedule);
    ClickHeading(costs->tblCosts, CostsTable::Payback);
    QTest::qWait(50);
    VerifyHeadingsFit(costs->tblCosts);

    const int line = costs->tblSchedule->fontMetrics().height();
    const int height = costs->tblSchedule->rowHeight(0);
    QVERIFY2(height >= line && height < line * 3 / 2, qPrintable(QString::number(height)));
}

// Two quotes of one lender, a name too long for a line: each legend entry
// is its line's name, whole and told apart, in a colour of its own, and the
// current loan's line is dashed.
void TestCostsWindow::legendNamesEveryLineWholeAndApart()
{
    TypeScenario({QStringLiteral("Harbor Bank"),
                  QStringLiteral("First Federal Savings and Loan Association of the Central Coast"),
                  QStringLiteral("harbor bank")});
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    costs->resize(1024 * 9 / 10, 768 * 9 / 10);
    QTest::qWait(50);

    QStringList names;
    QList<QColor> colours;
    for (QAbstractSeries* series : costs->Chart()->series()) {
        names << series->name();
        colours << static_cast<QLineSeries*>(series)->pen().color();
    }
    QCOMPARE(names, (QStringList{QStringLiteral("Harbor Bank (row 1)"),
                                 QStringLiteral("First Federal Savings and Loan Association of the Central Coast"),
                                 QStringLiteral("harbor bank (row 3)"), QStringLiteral("Current loan")}));
    QCOMPARE(Cell(*costs, 2, CostsTable::Lender), names.at(2));
    for (int k = 0; k < colours.size(); ++k) {
        for (int j = k + 1; j < colours.size(); ++j)
            QVERIFY(colours.at(k) != colours.at(j));
    }
    const QList<QAbstractSeries*> lines = costs->Chart()->series();
    QCOMPARE(static_cast<QLineSeries*>(lines.constLast())->pen().style(), Qt::DashLine);
    QCOMPARE(static_cast<QLineSeries*>(lines.constFirst())->pen().style(), Qt::SolidLine);

    const QList<QLabel*> entries = costs->lgdBalance->findChildren<QLabel*>(QStringLiteral("lblLegendName"));
    QStringList shown;
    for (const QLabel* entry : entries) {
        shown << entry->text();
        QVERIFY(entry->isVisible());
        QVERIFY2(entry->height() >= entry->heightForWidth(entry->width()), qPrintable(entry->text()));
        QVERIFY(costs->lgdBalance->rect().contains(entry->geometry()));
    }
    QCOMPARE(shown, names);
    // The long name is wrapped, not cut.
    QVERIFY(entries.at(1)->fontMetrics().horizontalAdvance(names.at(1)) > entries.at(1)->width());

    window->mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(costs->Chart()->series().at(2)->name(), QStringLiteral("harbor bank (fila 3)"));
}

// Money, months and "Never" sort as figures, not as text; the quote chosen
// stays chosen and its payments stay shown, and a row picked in the sorted
// table shows its own quote's payments.
void TestCostsWindow::headingsSortAndTheChosenQuoteStays()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QCOMPARE(costs->tblCosts->horizontalHeader()->sortIndicatorSection(), -1);
    const QStringList sheet{QStringLiteral("First Bank"), QStringLiteral("Second Bank"), QStringLiteral("Third Bank")};
    QCOMPARE(Column(costs->tblCosts, CostsTable::Lender), sheet);
    QTest::mouseClick(costs->tblCosts->viewport(), Qt::LeftButton, {},
                      costs->tblCosts->visualRect(costs->tblCosts->model()->index(1, CostsTable::Rate)).center());
    const int biweekly = costs->tblSchedule->model()->rowCount();
    QVERIFY(biweekly > 700);

    ClickHeading(costs->tblCosts, CostsTable::Rate);
    QCOMPARE(Column(costs->tblCosts, CostsTable::Lender),
             (QStringList{QStringLiteral("Third Bank"), QStringLiteral("Second Bank"), QStringLiteral("First Bank")}));
    QCOMPARE(costs->tblCosts->horizontalHeader()->sortIndicatorSection(), int(CostsTable::Rate));
    QCOMPARE(Cell(*costs, costs->tblCosts->currentIndex().row(), CostsTable::Lender), QStringLiteral("Second Bank"));
    QCOMPARE(costs->tblSchedule->model()->rowCount(), biweekly);

    // The sorted first row is the sheet's third: fifteen years monthly.
    QTest::mouseClick(costs->tblCosts->viewport(), Qt::LeftButton, {},
                      costs->tblCosts->visualRect(costs->tblCosts->model()->index(0, CostsTable::Rate)).center());
    QVERIFY(costs->tblSchedule->model()->rowCount() >= 180 && costs->tblSchedule->model()->rowCount() <= 181);

    ClickHeading(costs->tblCosts, CostsTable::BreakEven);
    QCOMPARE(Column(costs->tblCosts, CostsTable::BreakEven),
             (QStringList{QStringLiteral("1 month"), QStringLiteral("2 months"), QStringLiteral("12 months")}));
    ClickHeading(costs->tblCosts, CostsTable::Payback);
    ClickHeading(costs->tblCosts, CostsTable::Payback);
    QCOMPARE(Column(costs->tblCosts, CostsTable::Payback).first(), QStringLiteral("Never"));
    QCOMPARE(Cell(*costs, costs->tblCosts->currentIndex().row(), CostsTable::Lender), QStringLiteral("Third Bank"));

    // The sheet changes: the table stays sorted, the same quote chosen.
    QVERIFY(Activate(window.get()));
    TypeInto(window->txtInterestRate[0], QStringLiteral("6.75"));
    QTRY_VERIFY(Column(costs->tblCosts, CostsTable::Rate).contains(QStringLiteral("6.750%")));
    QCOMPARE(Cell(*costs, costs->tblCosts->currentIndex().row(), CostsTable::Lender), QStringLiteral("Third Bank"));

    // A third click gives the sheet's order back.
    ClickHeading(costs->tblCosts, CostsTable::Payback);
    QCOMPARE(Column(costs->tblCosts, CostsTable::Lender), sheet);
}

// The Loan Estimate's columns show on demand; the lender's APR is checked
// against the computed one on both sides of 1/8 of a point; a credit above
// the costs and insurance without a usable property value say why in their
// tool tips; Undo takes a value back.
void TestCostsWindow::loanEstimateIsEnteredCheckedAndUndone()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    QVERIFY(!costs->chkLoanEstimate->isChecked());
    QCOMPARE(costs->tblCosts->model()->columnCount(), int(CostsTable::FirstEstimateColumn));
    QTest::mouseClick(costs->chkLoanEstimate, Qt::LeftButton);
    QCOMPARE(costs->tblCosts->model()->columnCount(), int(CostsTable::Columns));
    QCOMPARE(Cell(*costs, 0, CostsTable::Apr), QStringLiteral("6.500%"));

    TypeIntoCell(costs->tblCosts, 0, CostsTable::DisclosedApr, QStringLiteral("6.62"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::DisclosedApr), QStringLiteral("6.620% \u2713"));
    QVERIFY(Cell(*costs, 0, CostsTable::DisclosedApr, Qt::ToolTipRole).contains(QStringLiteral("within 1/8")));
    QVERIFY(!costs->tblCosts->model()->index(0, CostsTable::DisclosedApr).data(Qt::BackgroundRole).isValid());
    TypeIntoCell(costs->tblCosts, 0, CostsTable::DisclosedApr, QStringLiteral("6.63"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::DisclosedApr), QStringLiteral("6.630%"));
    QCOMPARE(costs->tblCosts->model()->index(0, CostsTable::DisclosedApr).data(Qt::BackgroundRole).value<QColor>(),
             CostsTable::MarkColour());
    const QString outside = Cell(*costs, 0, CostsTable::DisclosedApr, Qt::ToolTipRole);
    QVERIFY2(outside.contains(QStringLiteral("6.630%")) && outside.contains(QStringLiteral("6.500%"))
                 && outside.contains(QStringLiteral("0.130")),
             qPrintable(outside));
    TypeIntoCell(costs->tblCosts, 0, CostsTable::DisclosedApr, QStringLiteral("0"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::DisclosedApr), QStringLiteral("0.000%"));
    QVERIFY(Cell(*costs, 0, CostsTable::DisclosedApr, Qt::ToolTipRole).startsWith(QStringLiteral("An APR of 0 %")));
    QCOMPARE(window->Quotes[0]->DisclosedApr(), std::optional<double>(0.0));

    // 4,000 of points against a credit of 5,000.
    TypeIntoCell(costs->tblCosts, 2, CostsTable::LenderCredit, QStringLiteral("5000"));
    QTRY_COMPARE(Cell(*costs, 2, CostsTable::LenderCredit), QStringLiteral("$5,000.00"));
    QCOMPARE(Cell(*costs, 2, CostsTable::AmountFinanced), QStringLiteral("$200,000.00"));
    QVERIFY(Cell(*costs, 2, CostsTable::LenderCredit, Qt::ToolTipRole).startsWith(QStringLiteral("The lender credit is larger")));
    QVERIFY(!Cell(*costs, 2, CostsTable::InFiveYears).isEmpty());
    QVERIFY(Cell(*costs, 2, CostsTable::Tip).endsWith(QLatin1Char('%')));

    TypeIntoCell(costs->tblCosts, 0, CostsTable::MortgageInsurance, QStringLiteral("100"));
    QTRY_COMPARE(Cell(*costs, 0, CostsTable::MortgageInsurance), QStringLiteral("$100.00"));
    QVERIFY(Cell(*costs, 0, CostsTable::MortgageInsurance, Qt::ToolTipRole).startsWith(QStringLiteral("No property value")));
    QVERIFY(Activate(costs));
    TypeInto(costs->txtPropertyValue, QStringLiteral("250000"));
    QTRY_VERIFY(Cell(*costs, 0, CostsTable::MortgageInsurance, Qt::ToolTipRole).startsWith(QStringLiteral("The first ")));
    QCOMPARE(costs->txtPropertyValue->text(), QStringLiteral("$250,000.00"));
    QTest::qWait(20);
    TypeInto(costs->txtPropertyValue, QStringLiteral("150000"));
    QTRY_VERIFY(Cell(*costs, 0, CostsTable::MortgageInsurance, Qt::ToolTipRole).contains(QStringLiteral("below the loan amount")));
    QVERIFY(costs->txtPropertyValue->toolTip().contains(QStringLiteral("below the loan amount")));

    QTest::qWait(20);
    window->mnuEditUndo->trigger();
    QTRY_COMPARE(costs->txtPropertyValue->text(), QStringLiteral("$250,000.00"));
    QCOMPARE(window->Document().PropertyValue(), Money::FromDouble(250000));
    window->mnuEditUndo->trigger();
    QTRY_COMPARE(costs->txtPropertyValue->text(), QString());
}

// Two months ahead: the chosen quote's payments and the sheet's payoff date
// move with it; a date more than a year ahead is marked; Delete over the
// whole date empties it and the payments start today again.
void TestCostsWindow::firstPaymentMovesEverySchedule()
{
    TypeScenario();
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    const QDate today = DayCount::ToDate(window->Document().Today());
    QTRY_VERIFY(!costs->Schedule().Payments().empty());
    QCOMPARE(DayCount::ToDate(costs->Schedule().Payments().front().DueDate), today);
    const QString payoff = window->txtPayoffDate[0]->text();
    QVERIFY(window->dtFirstPayment->text().trimmed().isEmpty());

    window->dtFirstPayment->setDate(today.addMonths(2));
    QTRY_COMPARE(DayCount::ToDate(costs->Schedule().Payments().front().DueDate), today.addMonths(2));
    const auto& payments = costs->Schedule().Payments();
    QCOMPARE(DayCount::ToDate(payments[1].DueDate), today.addMonths(3));
    QTRY_VERIFY(window->txtPayoffDate[0]->text() != payoff);
    QCOMPARE(window->Document().FirstPayment(), DayCount::FromDate(today.addMonths(2)));
    QVERIFY(!window->dtFirstPayment->toolTip().contains(QStringLiteral("more than a year")));

    window->dtFirstPayment->setDate(today.addMonths(14));
    QVERIFY(window->dtFirstPayment->toolTip().contains(QStringLiteral("more than a year ahead")));

    QVERIFY(Activate(window.get()));
    window->dtFirstPayment->setFocus();
    QTest::keyClick(window->dtFirstPayment, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->dtFirstPayment, Qt::Key_Delete);
    QCOMPARE(window->Document().FirstPayment(), 0.0);
    QTRY_COMPARE(DayCount::ToDate(costs->Schedule().Payments().front().DueDate), today);
    QTRY_COMPARE(window->txtPayoffDate[0]->text(), payoff);
}

QTEST_MAIN(TestCostsWindow)
// Moved off the screen and half off it, then opened again from the menu.
void TestCostsWindow::openedAgainItComesBackOnTheScreen()
{
    frmCosts* costs = OpenCosts();
    QVERIFY(costs);
    const QRect available = costs->screen()->availableGeometry();
    for (const QPoint away : {QPoint(available.right() + 400, available.bottom() + 400),
                              QPoint(available.left() - costs->width() / 2, available.top())}) {
        costs->move(away);
        QCOMPARE(OpenCosts(), costs);
        QVERIFY(available.contains(costs->frameGeometry()));
    }
}

#include "tst_costswindow.moc"
