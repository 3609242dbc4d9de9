#pragma once

#include "engine/AmortizationSchedule.h"
#include "engine/QuoteCosts.h"
#include "model/LoanDocument.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

class CLoan;

// The true costs of every quote that has results, one row each in the
// sheet's order, against the current loan: rate and APR, points and closing
// costs (the closing costs and their financed box editable), the cost over a
// horizon, the refinance break-even and the simple payback. A figure that
// cannot be given is an empty cell or "Never", with the reason as its tool
// tip. Follows every edit of the scenario as the document signals it: an
// edit of one quote computes that quote's row alone.
class CostsTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Lender, Rate, Apr, PointsCost, ClosingCosts, Financed, CostOverHorizon, BreakEven, Payback, Columns };
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

    LoanDocument& m_document;
    qint32 m_horizonMonths = 0;
    AmortizationSchedule m_current;
    std::vector<Row> m_rows;
};
