#include "dialogs/frmCosts.h"

#include "app/AccessibleNames.h"
#include "app/LanguageNotice.h"
#include "app/MessageBox.h"
#include "dialogs/BalanceChart.h"
#include "dialogs/BalanceLegend.h"
#include "dialogs/ClosingCostsDelegate.h"
#include "dialogs/CostsWindowMaker.h"
#include "dialogs/TwoLineHeader.h"
#include "langlib/ResourceIds.h"
#include "engine/DayCount.h"
#include "model/FieldFormat.h"
#include "print/PrintDialogs.h"
#include "model/CostsTable.h"
#include "model/LoanDocument.h"
#include "scenario/NumberField.h"
#include "model/ScheduleCsv.h"
#include "model/ScheduleTable.h"

#include <QChartView>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The longest horizon the field takes; every loan is paid off long before.
constexpr qint32 LongestHorizonMonths = 100 * 12;

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QTableView* NewTable(const char* name, QAbstractItemModel* model, QWidget* parent)
{
    auto* table = Named(new QTableView(parent), name);
    table->setHorizontalHeader(new TwoLineHeader(table));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// The style's default row is near two lines high, which halves the payments
// a screen shows.
void OneLineRows(QTableView* table)
{
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, table);
    QHeaderView* rows = table->verticalHeader();
    rows->setMinimumSectionSize(0);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table->fontMetrics().height() + 2 * margin + 1);
}

} // namespace

frmCosts::frmCosts(LoanDocument& document, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_document(document)
    , m_costs(new CostsTable(document, this))
    , m_schedule(new ScheduleTable(document, this))
    , m_sorted(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("frmCosts"));
    SetupForm();
    connect(m_costs, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const int row = SelectedRow();
        m_chosenQuote = row < 0 ? -1 : m_costs->QuoteIndex(row);
    });
    connect(m_costs, &QAbstractItemModel::modelReset, this, &frmCosts::Refresh);
    connect(m_costs, &QAbstractItemModel::dataChanged, this, &frmCosts::ShowChanges);
    connect(tblCosts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmCosts::ShowSelectedSchedule);
    connect(cmdExportCsv, &QPushButton::clicked, this, &frmCosts::ExportCsv);
    connect(cmdPrintCosts, &QPushButton::clicked, this, &frmCosts::PrintCosts);
    connect(cmdExportCostsPdf, &QPushButton::clicked, this, &frmCosts::ExportCostsPdf);
    connect(chkLoanEstimate, &QPushButton::toggled, this, &frmCosts::ShowEstimateColumns);
    SetPrintRunner({});
    chkLoanEstimate->setChecked(HoldsEstimateInputs());
    ShowEstimateColumns(chkLoanEstimate->isChecked());
    connect(&LanguageNotice::Instance(), &LanguageNotice::Bound, this, &frmCosts::ApplyTexts);
    // The main window's document goes before the window's children: this
    // window, which reads it to the last, goes with it.
    connect(&document, &LoanDocument::Closing, this, [this] { delete this; });
    ApplyTexts();
    Refresh();
    FitToScreen();
    tblCosts->setFocus();
}

frmCosts::~frmCosts() = default;

// Wide enough for every column, but never beyond the screen it opens on.
void frmCosts::FitToScreen()
{
    const QRect available = screen()->availableGeometry();
    resize(std::min(1160, available.width() * 9 / 10), std::min(780, available.height() * 9 / 10));
}

QChart* frmCosts::Chart() const
{
    return chtBalance->chart();
}

void frmCosts::SetupForm()
{
    lblHorizon = Named(new QLabel(this), "lblHorizon");
    txtHorizon = Named(new NumberField(NumberField::Kind::Term, this), "txtHorizon");
    txtHorizon->BindTerm([this] { return m_costs->HorizonMonths(); },
                         [this](qint32 months) {
                             m_costs->SetHorizonMonths(std::clamp(months, 0, LongestHorizonMonths));
                             txtHorizon->ShowValue();
                         },
                         [] { return false; });
    lblHorizon->setBuddy(txtHorizon);
    lblPropertyValue = Named(new QLabel(this), "lblPropertyValue");
    txtPropertyValue = Named(new NumberField(NumberField::Kind::Money, this), "txtPropertyValue");
    txtPropertyValue->BindMoney([this] { return m_document.PropertyValue(); },
                                [this](Money value) {
                                    m_document.SetPropertyValue(value);
                                    txtPropertyValue->ShowValue();
                                    ShowPropertyValueTip();
                                });
    lblPropertyValue->setBuddy(txtPropertyValue);
    SetupTables();
    cmdExportCsv = Named(new QPushButton(this), "cmdExportCsv");
    cmdPrintCosts = Named(new QPushButton(this), "cmdPrintCosts");
    cmdExportCostsPdf = Named(new QPushButton(this), "cmdExportCostsPdf");
    chkLoanEstimate = Named(new QPushButton(this), "chkLoanEstimate");
    chkLoanEstimate->setCheckable(true);

    auto* horizon = new QHBoxLayout;
    horizon->addWidget(lblHorizon);
    horizon->addWidget(txtHorizon);
    horizon->addSpacing(24);
    horizon->addWidget(lblPropertyValue);
    horizon->addWidget(txtPropertyValue);
    horizon->addWidget(chkLoanEstimate);
    horizon->addStretch();
    horizon->addWidget(cmdPrintCosts);
    horizon->addWidget(cmdExportCostsPdf);
    auto* schedule = new QWidget(this);
    auto* scheduleLayout = new QVBoxLayout(schedule);
    scheduleLayout->setContentsMargins(0, 0, 0, 0);
    scheduleLayout->addWidget(tblSchedule);
    scheduleLayout->addWidget(cmdExportCsv, 0, Qt::AlignRight);
    auto* lower = new QSplitter(Qt::Horizontal, this);
    lower->addWidget(NewChartPane());
    lower->addWidget(schedule);
    lower->setChildrenCollapsible(false);
    lower->setSizes({480, 640});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(horizon);
    layout->addWidget(tblCosts, 1);
    layout->addWidget(lower, 2);

    // Tab goes from control to control in reading order, the arrow keys
    // from cell to cell: a table does not keep Tab to itself.
    tblCosts->setTabKeyNavigation(false);
    tblSchedule->setTabKeyNavigation(false);
    setTabOrder(txtHorizon, tblCosts);
    setTabOrder(tblCosts, chtBalance);
    setTabOrder(chtBalance, tblSchedule);
    setTabOrder(tblSchedule, cmdExportCsv);
}

// The sheet's order stays until a heading is clicked; a third click on the
// same heading brings it back.
void frmCosts::SetupTables()
{
    m_sorted->setSourceModel(m_costs);
    m_sorted->setSortRole(CostsTable::SortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_sorted->setSortLocaleAware(true);
    tblCosts = NewTable("tblCosts", m_sorted, this);
    tblCosts->setEditTriggers(QAbstractItemView::AllEditTriggers);
    tblCosts->setItemDelegateForColumn(CostsTable::ClosingCosts, new ClosingCostsDelegate(tblCosts));
    tblCosts->setItemDelegateForColumn(CostsTable::LenderCredit, new ClosingCostsDelegate(tblCosts));
    tblCosts->setItemDelegateForColumn(CostsTable::MortgageInsurance, new ClosingCostsDelegate(tblCosts));
    tblCosts->setItemDelegateForColumn(CostsTable::DisclosedApr,
                                       new ClosingCostsDelegate(tblCosts, NumberField::Kind::Rate));
    QHeaderView* headings = tblCosts->horizontalHeader();
    headings->setSectionResizeMode(CostsTable::Lender, QHeaderView::Stretch);
    headings->setSortIndicator(-1, Qt::AscendingOrder);
    headings->setSortIndicatorClearable(true);
    tblCosts->setSortingEnabled(true);
    tblSchedule = NewTable("tblSchedule", m_schedule, this);
    tblSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblSchedule->horizontalHeader()->setStretchLastSection(true);
    tblSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OneLineRows(tblSchedule);
}

QWidget* frmCosts::NewChartPane()
{
    auto* chart = new BalanceChart;
    chart->FollowPalette(palette());
    chtBalance = Named(new QChartView(chart, this), "chtBalance");
    chtBalance->setRenderHint(QPainter::Antialiasing);
    // Leaves the payments their columns in a window on a 1024-pixel screen.
    chtBalance->setMinimumWidth(300);
    auto* pane = new QWidget(this);
    lgdBalance = new BalanceLegend(pane);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chtBalance, 1);
    layout->addWidget(lgdBalance);
    return pane;
}

void frmCosts::ApplyTexts()
{
    setWindowTitle(Text(rsCostsCaption));
    lblHorizon->setText(Text(rsCostsHorizon));
    txtHorizon->setToolTip(Text(rsCostsHorizonToolTip));
    txtHorizon->setPlaceholderText(Text(rsCostsOwnTerm));
    txtHorizon->setFixedWidth(txtHorizon->fontMetrics().horizontalAdvance(txtHorizon->placeholderText()) + 36);
    cmdExportCsv->setText(Text(rsCostsExportCsv));
    lblPropertyValue->setText(Text(rsPropertyValue));
    txtPropertyValue->setFixedWidth(txtPropertyValue->fontMetrics().horizontalAdvance(QStringLiteral("$9,999,999.00")) + 16);
    txtPropertyValue->ShowValue();
    ShowPropertyValueTip();
    chkLoanEstimate->setText(Text(rsCostsShowEstimate));
    chkLoanEstimate->setToolTip(Text(rsCostsShowEstimateToolTip));
    cmdPrintCosts->setText(Text(rsCostsPrint));
    cmdExportCostsPdf->setText(Text(rsCostsExportPdf));
    m_costs->Recompute();
    ApplyNames();
}

// What a screen reader says of the fields and tables, from the captions
// just shown.
void frmCosts::ApplyNames()
{
    AccessibleNames::Set(txtHorizon, AccessibleNames::FromCaption(lblHorizon->text()), txtHorizon->toolTip());
    AccessibleNames::Set(txtPropertyValue, AccessibleNames::FromCaption(lblPropertyValue->text()),
                         txtPropertyValue->toolTip());
    AccessibleNames::Set(tblCosts, Text(rsNameCostsTable));
    AccessibleNames::Set(chtBalance, Text(rsNameBalanceChart));
    AccessibleNames::Set(tblSchedule, Text(rsNameScheduleTable));
}

// The table was computed afresh: the same quote stays chosen, or the first.
void frmCosts::Refresh()
{
    ShowChart();
    int row = 0;
    for (int r = 0; r < m_costs->rowCount(); ++r) {
        if (m_costs->QuoteIndex(r) == m_chosenQuote)
            row = m_sorted->mapFromSource(m_costs->index(r, 0)).row();
    }
    if (m_costs->rowCount() > 0)
        tblCosts->selectRow(row);
    ShowSelectedSchedule();
    if (!txtPropertyValue->hasFocus())
        txtPropertyValue->ShowValue();
    ShowPropertyValueTip();
}

// All sixteen columns need a wider screen than the others alone: the Loan
// Estimate's are there when the user asks for them, or holds their inputs.
void frmCosts::ShowEstimateColumns(bool shown)
{
    m_costs->ShowEstimate(shown);
}

bool frmCosts::HoldsEstimateInputs() const
{
    if (m_document.PropertyValue() != Money())
        return true;
    return std::any_of(m_document.Quotes.cbegin(), m_document.Quotes.cend(), [](const auto& quote) {
        return quote->LenderCredit() != Money() || quote->MortgageInsurance() != Money()
               || quote->DisclosedApr().has_value();
    });
}

// A value below the loan amount cannot end the insurance by the 78 % rule.
void frmCosts::ShowPropertyValueTip()
{
    const Money value = m_document.PropertyValue();
    const bool below = value != Money() && value < m_document.LoanAmount();
    txtPropertyValue->setToolTip(Text(below ? rsPropertyValueBelowLoan : rsPropertyValueToolTip));
}

// Rows changed in place: the chosen quote stays chosen.
void frmCosts::ShowChanges()
{
    ShowChart();
    ShowSelectedSchedule();
}

void frmCosts::ShowChart()
{
    static_cast<BalanceChart*>(Chart())->Show(*m_costs, Text(rsCostsCurrentLoan));
    Chart()->setTitle(m_costs->rowCount() == 0 ? Text(rsCostsNothingYet) : QString());
    lgdBalance->Show(Chart()->series());
}

void frmCosts::ShowSelectedSchedule()
{
    const int row = SelectedRow();
    m_schedule->Show(row < 0 ? AmortizationSchedule() : m_costs->Schedule(row));
    cmdExportCsv->setEnabled(m_schedule->rowCount() > 0);
    FitScheduleColumns();
}

// Hundreds of payments are not measured one by one: the first holds the
// largest balance and interest, the last the latest date and the largest
// principal.
void frmCosts::FitScheduleColumns()
{
    const QFontMetrics metrics = tblSchedule->fontMetrics();
    const int padding = 2 * tblSchedule->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    const int rows = m_schedule->rowCount();
    // The splitter gives the chart what the payments leave, never a column.
    int all = tblSchedule->verticalScrollBar()->sizeHint().width() + 2 * tblSchedule->frameWidth();
    for (int column = 0; column < m_schedule->columnCount(); ++column) {
        int width = tblSchedule->horizontalHeader()->sectionSizeHint(column);
        for (const int row : {0, rows - 1}) {
            if (row >= 0)
                width = std::max(width, metrics.horizontalAdvance(m_schedule->index(row, column).data().toString()) + padding);
        }
        tblSchedule->setColumnWidth(column, width);
        all += width;
    }
    tblSchedule->setMinimumWidth(all);
}

// The row of the costs model, whatever the sort shows it as.
int frmCosts::SelectedRow() const
{
    const QModelIndex current = m_sorted->mapToSource(tblCosts->selectionModel()->currentIndex());
    return current.isValid() && current.row() < m_costs->rowCount() ? current.row() : -1;
}

void frmCosts::ExportCsv()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const QString path = PrintDialogs::ChooseSaveFile(this, Text(rsCostsExportCsv).remove(QLatin1Char('&')),
                                                      Text(rsCsvFileFilter),
                                                      m_costs->LenderName(row).replace(QLatin1Char('/'), QLatin1Char('-')),
                                                      QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (!ScheduleCsv::Write(path, m_schedule->Headings(), m_schedule->Payments()))
        MessageBox::Ok(Text(rsCsvNotWritten) + path + Text(rsPdfNotWrittenEnd));
}

void frmCosts::SetPrintRunner(PrintRunner run)
{
    m_print = std::move(run);
    cmdPrintCosts->setEnabled(static_cast<bool>(m_print));
    cmdExportCostsPdf->setEnabled(static_cast<bool>(m_print));
}

void frmCosts::PrintCosts()
{
    RunReport(false);
}

void frmCosts::ExportCostsPdf()
{
    RunReport(true);
}

// The report is what the window shows when the job starts, a value typed
// into the property value taken in first.
void frmCosts::RunReport(bool pdf)
{
    if (!m_print || (txtPropertyValue->hasFocus() && !txtPropertyValue->CommitEdit()))
        return;
    const CostsReport::Content content = ReportContent();
    WaitForJob(m_print(
        [content](ReportSurface& surface, std::function<bool()> yield) {
            return std::make_unique<CostsReport>(content, surface, std::move(yield));
        },
        pdf, this));
}

void frmCosts::WaitForJob(QWidget* progress)
{
    if (!progress)
        return;
    cmdPrintCosts->setEnabled(false);
    cmdExportCostsPdf->setEnabled(false);
    connect(progress, &QObject::destroyed, this, [this] {
        cmdPrintCosts->setEnabled(static_cast<bool>(m_print));
        cmdExportCostsPdf->setEnabled(static_cast<bool>(m_print));
    });
}

CostsReport::Content frmCosts::ReportContent() const
{
    CostsReport::Content content;
    content.title = Text(rsCostsReportTitle);
    content.scenario = m_document.LoanName();
    content.date = FieldFormat::ShortDate(m_document.Today());
    content.pageText = Text(rsPage);
    content.costs = CostsRows();
    content.chartTitle = Text(rsCostsReportChart);
    content.balances = Balances();
    const int row = SelectedRow();
    if (row >= 0 && m_schedule->rowCount() > 0) {
        content.scheduleTitle = Text(rsCostsReportSchedule) + m_costs->LenderName(row);
        content.schedule.headings = m_schedule->Headings();
        for (int column = 0; column < m_schedule->columnCount(); ++column)
            content.schedule.right.append(true);
        for (int r = 0; r < m_schedule->rowCount(); ++r) {
            QStringList cells;
            for (int column = 0; column < m_schedule->columnCount(); ++column)
                cells.append(m_schedule->index(r, column).data().toString());
            content.schedule.rows.append(cells);
        }
    }
    return content;
}

// In the order the table shows, sorted or not; a ticked box prints as a
// check mark.
CostsReport::Table frmCosts::CostsRows() const
{
    CostsReport::Table table;
    for (int column = 0; column < CostsTable::Columns; ++column) {
        table.headings.append(m_costs->headerData(column, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        table.right.append(column != CostsTable::Lender);
    }
    for (int r = 0; r < m_sorted->rowCount(); ++r) {
        const int row = m_sorted->mapToSource(m_sorted->index(r, 0)).row();
        QStringList cells;
        for (int column = 0; column < CostsTable::Columns; ++column) {
            cells.append(column == CostsTable::Financed
                             ? (m_costs->CellData(row, column, Qt::CheckStateRole).toInt() == Qt::Checked
                                    ? QStringLiteral("\u2713")
                                    : QString())
                             : m_costs->CellData(row, column).toString());
        }
        table.rows.append(cells);
    }
    return table;
}

// A point a year is plenty on paper; the payoff closes each line.
QList<CostsReport::Series> frmCosts::Balances() const
{
    QList<CostsReport::Series> all;
    const auto add = [&all](const QString& name, const AmortizationSchedule& schedule) {
        const auto& payments = schedule.Payments();
        if (payments.empty())
            return;
        CostsReport::Series series{name, {}};
        series.points.append({payments.front().DueDate, (payments.front().Balance + payments.front().Principal).ToDouble()});
        double next = DayCount::AddMonths(payments.front().DueDate, 12);
        for (const auto& payment : payments) {
            if (payment.DueDate >= next || &payment == &payments.back()) {
                series.points.append({payment.DueDate, payment.Balance.ToDouble()});
                next = DayCount::AddMonths(payment.DueDate, 12);
            }
        }
        all.append(series);
    };
    add(Text(rsCostsCurrentLoan), m_costs->CurrentSchedule());
    for (int r = 0; r < m_sorted->rowCount(); ++r) {
        const int row = m_sorted->mapToSource(m_sorted->index(r, 0)).row();
        add(m_costs->LenderName(row), m_costs->Schedule(row));
    }
    return all;
}

void frmCosts::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && chtBalance) {
        static_cast<BalanceChart*>(Chart())->FollowPalette(palette());
        lgdBalance->Show(Chart()->series());
    }
    QWidget::changeEvent(event);
}

void frmCosts::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        QWidget* owner = parentWidget();
        close();
        if (owner)
            owner->activateWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString frmCosts::Text(int id) const
{
    return m_document.LoadResString(id);
}

namespace {

frmCosts* MakeCostsWindow(LoanDocument& document, QWidget* owner, const frmCosts::PrintRunner& print)
{
    auto* costs = new frmCosts(document, owner);
    costs->SetPrintRunner(print);
    return costs;
}

// Loaded as a module, or linked in, the window makes itself known to the
// program before anything asks for it.
const bool Registered = (CostsWindowMaker::Register(&MakeCostsWindow), true);

} // namespace
