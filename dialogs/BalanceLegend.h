#pragma once

#include <QList>
#include <QWidget>

class QAbstractSeries;
class QGridLayout;

// The names of the balance chart's lines, each beside a sample of its line,
// in two columns under the plot. A name is shown whole: a long one wraps
// onto more lines where the chart's own legend would cut it short.
class BalanceLegend : public QWidget
{
    Q_OBJECT

public:
    explicit BalanceLegend(QWidget* parent);

    // Lists the lines afresh, in their order, in their pens.
    void Show(const QList<QAbstractSeries*>& lines);

private:
    void Clear();

    QGridLayout* m_grid;
};
