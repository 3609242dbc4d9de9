#include "model/CostsTable.h"

#include "engine/CLoan.h"
#include "engine/PaymentFrequency.h"
#include "engine/RefinanceBreakEven.h"
#include "langlib/ResourceIds.h"
#include "model/FieldFormat.h"
#include "model/LoanDocument.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

struct CostsTable::Row
{
    int quoteIndex = 0;
    // The sheet row showing the quote when the table was computed.
    int sheetRow = 0;
    QString who;
    // Another quote names the same lender.
    bool sharedName = false;
    double rate = 0;
    Money pointsCost;
    Money closingCosts;
    bool financed = false;
    Money lenderCredit;
    Money mortgageInsurance;
    std::optional<double> disclosedApr;
    // None when a figure leaves the range of money.
    std::optional<QuoteCosts> costs;
    Money costOverHorizon;
    std::optional<int> breakEven;
    double breakEvenEnd = 0;
    qint32 breakEvenReason = 0;
    std::optional<double> payback;
    qint32 paybackReason = 0;
};

// The document has computed its results when it signals; while it settles a
// whole scenario, the signal that ends it is enough.
CostsTable::CostsTable(LoanDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
    const auto whole = [this] {
        if (!m_document.Settling())
            Recompute();
    };
    connect(&document, &LoanDocument::Changed, this, [this, whole](LoanDocument::Value value) {
        if (m_document.Settling())
            return;
        if (IsCurrentLoan(value))
            RecomputeComparisons();
        else if (value == LoanDocument::Value::EscrowMonthly || value == LoanDocument::Value::PropertyValue)
            whole();
    });
    connect(&document, &LoanDocument::QuoteUpdated, this, [this](int index) {
        if (!m_document.Settling())
            RecomputeQuote(index);
    });
    connect(&document, &LoanDocument::QuoteChanged, this, whole);
    connect(&document, &LoanDocument::QuoteResultsChanged, this, whole);
    connect(&document, &LoanDocument::Reordered, this, whole);
    connect(&document, &LoanDocument::ScenarioApplied, this, whole);
    connect(&document, &LoanDocument::Cleared, this, whole);
    connect(&document, &LoanDocument::Restored, this, whole);
    Recompute();
}

// What the current loan's schedule and the comparisons with it read; the
// quotes' own figures do not.
bool CostsTable::IsCurrentLoan(LoanDocument::Value value)
{
    using Value = LoanDocument::Value;
    switch (value) {
    case Value::CurrentInterestRate:
    case Value::CurrentBalance:
    case Value::CurrentActualPayment:
    case Value::CurrentNextPayment:
    case Value::CurrentPayment:
    case Value::CurrentFrequency:
    case Value::CurrentActualFrequency:
        return true;
    default:
        return false;
    }
}

CostsTable::~CostsTable() = default;

void CostsTable::SetHorizonMonths(qint32 months)
{
    m_horizonMonths = months;
    Recompute();
}

void CostsTable::Recompute()
{
    beginResetModel();
    RecomputeCurrent();
    m_rows.clear();
    for (const int index : QuotesWithResults())
        m_rows.push_back(Compute(index, SheetRowOf(index)));
    MarkSharedNames();
    endResetModel();
}

// One quote took an edit: its row alone is computed again, unless the edit
// brings the quote into the table or takes it out.
void CostsTable::RecomputeQuote(int index)
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [index](const Row& row) { return row.quoteIndex == index; });
    const bool listed = found != m_rows.end();
    if (listed != HasResults(*m_document.Quotes[static_cast<std::size_t>(index)])) {
        Recompute();
        return;
    }
    if (!listed)
        return;
    *found = Compute(index, found->sheetRow);
    MarkSharedNames();
    const int row = static_cast<int>(found - m_rows.begin());
    emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
}

// The current loan changed: its schedule and every comparison with it.
void CostsTable::RecomputeComparisons()
{
    RecomputeCurrent();
    for (Row& row : m_rows) {
        if (row.costs)
            ComputeComparison(row, *m_document.Quotes[static_cast<std::size_t>(row.quoteIndex)]);
    }
    if (!m_rows.empty())
        emit dataChanged(index(0, BreakEven), index(rowCount() - 1, Payback));
}

// In the sheet's order.
std::vector<int> CostsTable::QuotesWithResults() const
{
    std::vector<int> indexes;
    const auto count = static_cast<quint16>(m_document.Quotes.size());
    for (quint16 row = 0; row < count; ++row) {
        const quint16 index = m_document.Order().R(row);
        if (index < count && HasResults(*m_document.Quotes[index]))
            indexes.push_back(index);
    }
    return indexes;
}

int CostsTable::SheetRowOf(int index) const
{
    const auto count = static_cast<quint16>(m_document.Quotes.size());
    for (quint16 row = 0; row < count; ++row) {
        if (m_document.Order().R(row) == index)
            return row;
    }
    return index;
}

void CostsTable::RecomputeCurrent()
{
    try {
        m_current = AmortizationSchedule(
            [this](const PayoffSimulation::Recorder& record) { return m_document.SimulateCurrentPayoff(record); });
    } catch (const std::overflow_error&) {
        m_current = AmortizationSchedule();
    }
}

bool CostsTable::HasResults(const CLoan& quote)
{
    try {
        return quote.HasPayoffInputs() || quote.PandI() != Money();
    } catch (const std::overflow_error&) {
        return true;
    }
}

CostsTable::Row CostsTable::Compute(int quoteIndex, int sheetRow) const
{
    const CLoan& quote = *m_document.Quotes[static_cast<std::size_t>(quoteIndex)];
    Row row;
    row.quoteIndex = quoteIndex;
    row.sheetRow = sheetRow;
    row.who = quote.Who();
    row.rate = quote.InterestRate();
    row.closingCosts = quote.ClosingCosts();
    row.financed = quote.FinanceClosingCosts();
    row.lenderCredit = quote.LenderCredit();
    row.mortgageInsurance = quote.MortgageInsurance();
    row.disclosedApr = quote.DisclosedApr();
    try {
        row.pointsCost = quote.PointsCost();
        row.costs.emplace(quote, m_document.PropertyValue());
        ComputeComparison(row, quote);
    } catch (const std::overflow_error&) {
        row.costs.reset();
    }
    return row;
}

void CostsTable::ComputeComparison(Row& row, const CLoan& quote) const
{
    const QuoteCosts& costs = *row.costs;
    // The horizon counts from the new loan's first payment; the switch from
    // the current loan from today, or from a first payment already made.
    const double firstPayment = m_document.FirstPaymentDay();
    const double today = std::min(m_document.Today(), firstPayment);
    const qint32 months = m_horizonMonths > 0 ? m_horizonMonths : quote.Term();
    row.costOverHorizon = months > 0 ? costs.CostOver(months, firstPayment) : costs.CostOverTerm();
    if (!costs.Schedule().PaysOff()) {
        row.breakEvenReason = rsCostsQuoteNeverPaid;
    } else if (!m_current.PaysOff()) {
        row.breakEvenReason = rsCostsNoCurrentLoan;
    } else {
        row.breakEven = RefinanceBreakEven::Month({&m_current, m_document.CurrentBalance()},
                                                  {&costs.Schedule(), quote.StartingPrinciple(), &costs.Insurance()},
                                                  quote.StartingAmount(), costs.CashCosts(), today);
        row.breakEvenReason = row.breakEven ? 0 : rsCostsNoBreakEven;
        row.breakEvenEnd = row.breakEven ? RefinanceBreakEven::MonthEnd(today, *row.breakEven) : 0;
    }
    if (quote.PandI() == Money()) {
        row.paybackReason = rsCostsNoApr;
        return;
    }
    if (m_document.CurrentPandI() == Money()) {
        row.paybackReason = rsCostsNoCurrentLoan;
        return;
    }
    row.payback = RefinanceBreakEven::SimplePaybackMonths(
        costs.UpFrontCosts(), m_document.CurrentPandI(), PaymentFrequency(m_document.CurrentFrequencyCode()),
        quote.PandI(), PaymentFrequency(quote.FrequencyCode()));
    row.paybackReason = row.payback ? 0 : rsCostsNoSaving;
}

int CostsTable::QuoteIndex(int row) const
{
    return m_rows[static_cast<std::size_t>(row)].quoteIndex;
}

QString CostsTable::LenderName(int row) const
{
    return NameOf(m_rows[static_cast<std::size_t>(row)]);
}

QString CostsTable::FirstLine(const Row& row)
{
    return row.who.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void CostsTable::MarkSharedNames()
{
    for (Row& row : m_rows) {
        const QString first = FirstLine(row);
        row.sharedName = !first.isEmpty() && std::count_if(m_rows.cbegin(), m_rows.cend(), [&first](const Row& other) {
            return FirstLine(other).compare(first, Qt::CaseInsensitive) == 0;
        }) > 1;
    }
}

// The user knows a quote by where it stands on the sheet; its index in the
// document stays behind from earlier sorts. Two quotes of one lender, in the
// chart's legend above all, are told apart the same way.
QString CostsTable::NameOf(const Row& r) const
{
    const QString sheetRow = QString::number(r.sheetRow + 1);
    const QString first = FirstLine(r);
    if (first.isEmpty())
        return Text(rsScheduleNumber) + QLatin1Char(' ') + sheetRow;
    return r.sharedName ? first + Text(rsCostsSameLenderRow) + sheetRow + QLatin1Char(')') : first;
}

const AmortizationSchedule& CostsTable::Schedule(int row) const
{
    static const AmortizationSchedule none;
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    return r.costs ? r.costs->Schedule() : none;
}

int CostsTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CostsTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_estimateShown ? Columns : FirstEstimateColumn;
}

void CostsTable::ShowEstimate(bool shown)
{
    if (shown == m_estimateShown)
        return;
    beginResetModel();
    m_estimateShown = shown;
    endResetModel();
}

QVariant CostsTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    return CellData(index.row(), index.column(), role);
}

QVariant CostsTable::CellData(int rowIndex, int column, int role) const
{
    if (rowIndex < 0 || rowIndex >= rowCount() || column < 0 || column >= Columns)
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(rowIndex)];
    switch (role) {
    case Qt::DisplayRole:
        return Display(row, column);
    case Qt::EditRole:
        return EditValue(row, column);
    case Qt::CheckStateRole:
        return column == Financed ? QVariant(row.financed ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::ToolTipRole:
        return ToolTip(row, column);
    case Qt::BackgroundRole:
        return column == DisclosedApr && AprCheckable(row) && !AprWithinTolerance(row) ? QVariant(MarkColour())
                                                                                        : QVariant();
    case Qt::ForegroundRole:
        return column == DisclosedApr && AprCheckable(row) && !AprWithinTolerance(row) ? QVariant(QColor(Qt::black))
                                                                                        : QVariant();
    case Qt::TextAlignmentRole:
        return column == Lender ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case SortRole:
        return SortValue(row, column);
    default:
        return {};
    }
}

QVariant CostsTable::Display(const Row& row, int column) const
{
    const bool figures = row.costs.has_value();
    switch (column) {
    case Lender: return NameOf(row);
    case Rate: return FieldFormat::Percent(row.rate);
    case Apr:
        return figures && !std::isnan(row.costs->AnnualPercentageRate())
                   ? FieldFormat::Percent(row.costs->AnnualPercentageRate())
                   : QString();
    case DisclosedApr: return DisclosedAprText(row);
    case PointsCost: return FieldFormat::Currency(row.pointsCost);
    case ClosingCosts: return FieldFormat::Currency(row.closingCosts);
    case LenderCredit: return FieldFormat::Currency(row.lenderCredit);
    case MortgageInsurance: return FieldFormat::Currency(row.mortgageInsurance);
    case AmountFinanced: return figures ? FieldFormat::Currency(row.costs->AmountFinanced()) : QString();
    case InFiveYears:
        return figures && row.costs->HasComparisons() ? FieldFormat::Currency(row.costs->InFiveYears()) : QString();
    case PrincipalInFiveYears:
        return figures && row.costs->HasComparisons() ? FieldFormat::Currency(row.costs->PrincipalInFiveYears())
                                                       : QString();
    case Tip:
        return figures && !std::isnan(row.costs->TotalInterestPercentage())
                   ? FieldFormat::Percent(row.costs->TotalInterestPercentage() / 100)
                   : QString();
    case CostOverHorizon:
        return figures && row.costs->Schedule().PaysOff() ? FieldFormat::Currency(row.costOverHorizon) : QString();
    case BreakEven:
        if (row.breakEven)
            return Months(*row.breakEven);
        return row.breakEvenReason == rsCostsNoBreakEven || row.breakEvenReason == rsCostsQuoteNeverPaid
                   ? Text(rsCostsNever)
                   : QString();
    case Payback:
        if (row.payback)
            return Months(std::round(*row.payback * 10) / 10);
        return row.paybackReason == rsCostsNoSaving ? Text(rsCostsNever) : QString();
    default: return {};
    }
}

QVariant CostsTable::SortValue(const Row& row, int column) const
{
    const bool shown = !Display(row, column).toString().isEmpty();
    constexpr double never = std::numeric_limits<double>::infinity();
    switch (column) {
    case Lender: return NameOf(row);
    case Rate: return row.rate;
    case Apr: return shown ? QVariant(row.costs->AnnualPercentageRate()) : QVariant();
    case DisclosedApr: return row.disclosedApr ? QVariant(*row.disclosedApr) : QVariant();
    case PointsCost: return row.pointsCost.ToDouble();
    case ClosingCosts: return row.closingCosts.ToDouble();
    case Financed: return row.financed ? 1.0 : 0.0;
    case LenderCredit: return row.lenderCredit.ToDouble();
    case MortgageInsurance: return row.mortgageInsurance.ToDouble();
    case AmountFinanced: return shown ? QVariant(row.costs->AmountFinanced().ToDouble()) : QVariant();
    case InFiveYears: return shown ? QVariant(row.costs->InFiveYears().ToDouble()) : QVariant();
    case PrincipalInFiveYears: return shown ? QVariant(row.costs->PrincipalInFiveYears().ToDouble()) : QVariant();
    case Tip: return shown ? QVariant(row.costs->TotalInterestPercentage()) : QVariant();
    case CostOverHorizon: return shown ? QVariant(row.costOverHorizon.ToDouble()) : QVariant();
    case BreakEven: return row.breakEven ? QVariant(double(*row.breakEven)) : shown ? QVariant(never) : QVariant();
    case Payback: return row.payback ? QVariant(*row.payback) : shown ? QVariant(never) : QVariant();
    default: return {};
    }
}

QVariant CostsTable::ToolTip(const Row& row, int column) const
{
    if (column == Lender)
        return row.who;
    if (!row.costs && column != Rate && column != ClosingCosts && column != Financed && column != LenderCredit
        && column != MortgageInsurance && column != DisclosedApr)
        return Text(rsCostsTooLarge);
    switch (column) {
    case Apr: return std::isnan(row.costs->AnnualPercentageRate()) ? Text(rsCostsNoApr) : QString();
    case DisclosedApr: return AprCheckTip(row);
    case LenderCredit:
    case AmountFinanced:
        return row.costs && row.costs->CreditExceedsCosts() ? Text(rsCostsCreditExceeds) : QString();
    case MortgageInsurance: return InsuranceTip(row);
    case InFiveYears:
    case PrincipalInFiveYears:
    case Tip: return row.costs->HasComparisons() ? QString() : Text(rsCostsNoApr);
    case CostOverHorizon: return row.costs->Schedule().PaysOff() ? QString() : Text(rsCostsQuoteNeverPaid);
    case BreakEven: return row.breakEven ? FieldFormat::ShortDate(row.breakEvenEnd) : Text(row.breakEvenReason);
    case Payback: return row.payback ? QString() : Text(row.paybackReason);
    default: return {};
    }
}

QVariant CostsTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const qint32 ids[Columns] = {
        rsCostsLender,          rsCostsRate,           rsCostsApr,
        rsCostsPoints,          rsCostsClosing,        rsCostsFinanced,
        rsCostsOverHorizon,     rsCostsBreakEven,      rsCostsPayback,
        rsCostsDisclosedApr,    rsCostsLenderCredit,   rsCostsMortgageInsurance,
        rsCostsAmountFinanced,  rsCostsInFiveYears,    rsCostsPrincipalInFiveYears,
        rsCostsTip};
    return section >= 0 && section < Columns ? Text(ids[section]) : QString();
}

Qt::ItemFlags CostsTable::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    if (column == ClosingCosts || column == LenderCredit || column == MortgageInsurance || column == DisclosedApr)
        flags |= Qt::ItemIsEditable;
    if (index.column() == Financed)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

// The sheet shows the quote's results again at once: financed closing costs
// change its payment.
bool CostsTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    CLoan& quote = *m_document.Quotes[static_cast<std::size_t>(QuoteIndex(index.row()))];
    const int column = index.column();
    if (column == Financed && role == Qt::CheckStateRole) {
        quote.SetFinanceClosingCosts(value.toInt() == Qt::Checked);
    } else if (role != Qt::EditRole) {
        return false;
    } else if (column == ClosingCosts) {
        if (!SetClosingCosts(quote, value))
            return false;
    } else if (column == LenderCredit || column == MortgageInsurance) {
        const std::optional<Money> amount = TypedMoney(value);
        if (!amount)
            return false;
        if (column == LenderCredit)
            quote.SetLenderCredit(*amount);
        else
            quote.SetMortgageInsurance(*amount);
    } else if (column != DisclosedApr || !SetDisclosedApr(quote, value)) {
        return false;
    }
    m_document.RecomputeQuote(QuoteIndex(index.row()));
    return true;
}

// The money rule of the sheet's fields: two decimals at most, never
// negative; empty is none.
bool CostsTable::SetClosingCosts(CLoan& quote, const QVariant& value)
{
    const std::optional<Money> amount = TypedMoney(value);
    if (amount)
        quote.SetClosingCosts(*amount);
    return amount.has_value();
}

std::optional<Money> CostsTable::TypedMoney(const QVariant& value)
{
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return Money();
    const std::optional<double> number = FieldFormat::ToNumber(text);
    if (!FieldFormat::IsValidNumber(text, 2) || !number || *number < 0)
        return std::nullopt;
    try {
        return Money::FromDouble(*number);
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

// A percentage as the Loan Estimate prints it, three decimals at most;
// empty is none. An APR of 0 or of 100 % and more is taken as typed and
// explained in the cell, so the user sees what they entered.
bool CostsTable::SetDisclosedApr(CLoan& quote, const QVariant& value)
{
    const QString text = value.toString().trimmed().remove(QLatin1Char('%')).trimmed();
    if (text.isEmpty()) {
        quote.SetDisclosedApr(std::nullopt);
        return true;
    }
    const std::optional<double> number = FieldFormat::ToNumber(text);
    if (!FieldFormat::IsValidNumber(text, 3) || !number || *number < 0 || *number >= 1000)
        return false;
    quote.SetDisclosedApr(*number / 100);
    return true;
}

QVariant CostsTable::EditValue(const Row& row, int column) const
{
    switch (column) {
    case ClosingCosts: return FieldFormat::GeneralNumber(row.closingCosts.ToDouble());
    case LenderCredit: return FieldFormat::GeneralNumber(row.lenderCredit.ToDouble());
    case MortgageInsurance: return FieldFormat::GeneralNumber(row.mortgageInsurance.ToDouble());
    case DisclosedApr:
        return row.disclosedApr ? FieldFormat::GeneralNumber(std::round(*row.disclosedApr * 1e8) / 1e6) : QString();
    default: return Display(row, column);
    }
}

QColor CostsTable::MarkColour()
{
    return {255, 208, 215};
}

bool CostsTable::AprCheckable(const Row& row) const
{
    return row.disclosedApr && *row.disclosedApr > 0 && *row.disclosedApr < 1 && row.costs
           && !std::isnan(row.costs->AnnualPercentageRate());
}

// The regulation's "not more than 1/8 of 1 percentage point above or below";
// the margin keeps an APR typed to three decimals exactly at the edge inside.
bool CostsTable::AprWithinTolerance(const Row& row) const
{
    return std::fabs(*row.disclosedApr - row.costs->AnnualPercentageRate()) <= AprTolerance + 1e-9;
}

QString CostsTable::DisclosedAprText(const Row& row) const
{
    if (!row.disclosedApr)
        return {};
    const QString typed = QLocale().toString(*row.disclosedApr * 100, 'f', 3) + QLatin1Char('%');
    return AprCheckable(row) && AprWithinTolerance(row) ? typed + QStringLiteral(" \u2713") : typed;
}

QString CostsTable::AprCheckTip(const Row& row) const
{
    if (!row.disclosedApr)
        return {};
    if (*row.disclosedApr <= 0 || *row.disclosedApr >= 1)
        return Text(rsCostsAprImpossible);
    if (!row.costs)
        return Text(rsCostsTooLarge);
    if (std::isnan(row.costs->AnnualPercentageRate()))
        return Text(rsCostsNoApr);
    const double difference = *row.disclosedApr - row.costs->AnnualPercentageRate();
    const QString points = QLocale().toString(std::fabs(difference) * 100, 'f', 3);
    return Text(AprWithinTolerance(row) ? rsCostsAprWithin : rsCostsAprOutside)
        .arg(QLocale().toString(*row.disclosedApr * 100, 'f', 3) + QLatin1Char('%'),
             FieldFormat::Percent(row.costs->AnnualPercentageRate()), points);
}

QString CostsTable::InsuranceTip(const Row& row) const
{
    if (row.mortgageInsurance == Money() || !row.costs)
        return {};
    switch (row.costs->Rule()) {
    case QuoteCosts::InsuranceRule::NoPropertyValue: return Text(rsCostsInsuranceNoValue);
    case QuoteCosts::InsuranceRule::ValueBelowLoan: return Text(rsCostsInsuranceValueBelow);
    case QuoteCosts::InsuranceRule::UntilLtv78: break;
    }
    const auto& insurance = row.costs->Insurance();
    const auto paid = std::count_if(insurance.cbegin(), insurance.cend(), [](Money m) { return m != Money(); });
    return Text(rsCostsInsuranceEnds).arg(paid);
}

QString CostsTable::Text(int id) const
{
    return m_document.LoadResString(id);
}

QString CostsTable::Months(double months) const
{
    const int decimals = months == std::floor(months) ? 0 : 1;
    return QLocale().toString(months, 'f', decimals) + Text(months == 1 ? rsCostsOneMonth : rsCostsMonths);
}
