#pragma once

#include <QChart>
#include <QRectF>

class AmortizationSchedule;
class CostsTable;

// The balance owed over time of every quote in the costs table and of the
// current loan: one line each, named after its lender, dates across and
// money up, in colours that read on the window's light or dark palette, no
// two alike.
class BalanceChart : public QChart
{
    Q_OBJECT

public:
    BalanceChart();

    // Draws the lines afresh from the table; `currentName` names the
    // current loan's.
    void Show(const CostsTable& costs, const QString& currentName);
    // Light or dark after the palette of the widget showing the chart.
    void FollowPalette(const QPalette& palette);

private:
    void ShowLine(int position, const QString& name, const AmortizationSchedule& schedule);
    void FitAxes();
    void PaintLines();

    // The span the axes were last fitted to.
    QRectF m_span;
    // The lines before the current loan's, one a quote.
    int m_quoteLines = 0;
};
