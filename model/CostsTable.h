#pragma once

#include "engine/AmortizationSchedule.h"
#include "engine/QuoteCosts.h"
#include "model/LoanDocument.h"

#include <QAbstractTableModel>
#include <QColor>

#include <optional>
#include <vector>

class CLoan;

// The true costs of every quote that has results, one row each in the
// sheet's order, against the current loan: rate and APR, points and closing
// costs (the closing costs and their financed box editable), what the
// lender's Loan Estimate shows (the lender's APR, checked against the
// computed one, the lender credit and the mortgage insurance, all
// editable), the amount financed, the Loan Estimate's comparisons (In 5
// years, its principal, TIP), the cost over a horizon, the refinance
// break-even and the simple payback. A figure that
// cannot be given is an empty cell or "Never", with the reason as its tool
// tip. Follows every edit of the scenario as the document signals it: an
// edit of one quote computes that quote's row alone.
class CostsTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The Loan Estimate's columns come last: the table shows them on
    // demand, and the columns before them keep their places either way.
    enum Column {
        Lender,
        Rate,
        Apr,
        PointsCost,
        ClosingCosts,
        Financed,
        CostOverHorizon,
        BreakEven,
        Payback,
        DisclosedApr,
        LenderCredit,
        MortgageInsurance,
        AmountFinanced,
        InFiveYears,
        PrincipalInFiveYears,
        Tip,
        Columns
    };
    static constexpr int FirstEstimateColumn = DisclosedApr;
    // How far the lender's APR may be from the computed one, as a fraction:
    // 1/8 of a percentage point, the tolerance of a regular transaction.
    static constexpr double AprTolerance = 0.00125;
    // The background of a lender's APR outside the tolerance: the pink of a
    // missing input on the sheet.
    static QColor MarkColour();
    // A cell's figure for sorting: a number where the cell shows money,
    // months or a rate, later than any month for "Never", none for an
    // empty cell.
    static constexpr int SortRole = Qt::UserRole;

    explicit CostsTable(LoanDocument& document, QObject* parent = nullptr);
    ~CostsTable() override;

    // Months of interest in the cost over the horizon; 0 takes each quote's
    // own term.
    qint32 HorizonMonths() const { return m_horizonMonths; }
    void SetHorizonMonths(qint32 months);

    // Computes every row afresh.
    void Recompute();
    // Computes the row of the quote of that index afresh.
    void RecomputeQuote(int index);

    // Whether the model has the Loan Estimate's columns; off at first.
    bool EstimateShown() const { return m_estimateShown; }
    void ShowEstimate(bool shown);
    // A cell of any column, shown or not, as data() gives it; for the
    // printed report, which has every column.
    QVariant CellData(int row, int column, int role = Qt::DisplayRole) const;

    // The quote index of a row, its lender's first line (the number of the
    // sheet row it shows on when it names none, and that number after the
    // name when another quote names the same lender), and its payments at
    // the actual payment.
    int QuoteIndex(int row) const;
    QString LenderName(int row) const;
    const AmortizationSchedule& Schedule(int row) const;
    // The current loan paid at its actual payment; empty when it cannot be.
    const AmortizationSchedule& CurrentSchedule() const { return m_current; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Row;

    static bool IsCurrentLoan(LoanDocument::Value value);
    void RecomputeCurrent();
    void RecomputeComparisons();
    std::vector<int> QuotesWithResults() const;
    int SheetRowOf(int index) const;
    Row Compute(int quoteIndex, int sheetRow) const;
    void ComputeComparison(Row& row, const CLoan& quote) const;
    static bool HasResults(const CLoan& quote);
    static QString FirstLine(const Row& row);
    void MarkSharedNames();
    QString NameOf(const Row& row) const;
    QString Text(int id) const;
    QString Months(double months) const;
    QVariant Display(const Row& row, int column) const;
    QVariant SortValue(const Row& row, int column) const;
    QVariant ToolTip(const Row& row, int column) const;
    bool SetClosingCosts(CLoan& quote, const QVariant& value);
    static std::optional<Money> TypedMoney(const QVariant& value);
    static bool SetDisclosedApr(CLoan& quote, const QVariant& value);
    QVariant EditValue(const Row& row, int column) const;
    QString DisclosedAprText(const Row& row) const;
    QString AprCheckTip(const Row& row) const;
    QString InsuranceTip(const Row& row) const;
    // Whether the lender's APR can be held against the computed one, and
    // whether it is within the tolerance.
    bool AprCheckable(const Row& row) const;
    bool AprWithinTolerance(const Row& row) const;

    LoanDocument& m_document;
    qint32 m_horizonMonths = 0;
    bool m_estimateShown = false;
    AmortizationSchedule m_current;
    std::vector<Row> m_rows;
};
