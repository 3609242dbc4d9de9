#include "dialogs/BalanceChart.h"

#include "engine/AmortizationSchedule.h"
#include "engine/DayCount.h"
#include "scenario/CostsTable.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>

#include <algorithm>

namespace {

qreal Time(double dayCount)
{
    return static_cast<qreal>(DayCount::ToDate(dayCount).startOfDay().toMSecsSinceEpoch());
}

} // namespace

BalanceChart::BalanceChart()
{
    legend()->setAlignment(Qt::AlignBottom);
    auto* dates = new QDateTimeAxis(this);
    dates->setFormat(QStringLiteral("yyyy"));
    addAxis(dates, Qt::AlignBottom);
    auto* money = new QValueAxis(this);
    money->setLabelFormat(QStringLiteral("%.0f"));
    addAxis(money, Qt::AlignLeft);
}

void BalanceChart::Show(const CostsTable& costs, const QString& currentName)
{
    removeAllSeries();
    for (int row = 0; row < costs.rowCount(); ++row) {
        if (costs.Schedule(row).PaysOff())
            AddLine(costs.LenderName(row), costs.Schedule(row));
    }
    if (costs.CurrentSchedule().PaysOff())
        AddLine(currentName, costs.CurrentSchedule());
    FitAxes();
}

// A line starts from what is owed before its first payment.
void BalanceChart::AddLine(const QString& name, const AmortizationSchedule& schedule)
{
    auto* line = new QLineSeries(this);
    line->setName(name);
    const auto& payments = schedule.Payments();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(payments.size()) + 1);
    const auto& first = payments.front();
    points.append({Time(first.DueDate), (first.Balance + first.Principal).ToDouble()});
    for (const auto& payment : payments)
        points.append({Time(payment.DueDate), payment.Balance.ToDouble()});
    line->replace(points);
    addSeries(line);
    for (QAbstractAxis* axis : axes())
        line->attachAxis(axis);
}

void BalanceChart::FitAxes()
{
    qreal first = 0;
    qreal last = 0;
    qreal highest = 0;
    bool any = false;
    for (QAbstractSeries* series : this->series()) {
        for (const QPointF& point : static_cast<QLineSeries*>(series)->points()) {
            first = any ? std::min(first, point.x()) : point.x();
            last = any ? std::max(last, point.x()) : point.x();
            highest = std::max(highest, point.y());
            any = true;
        }
    }
    if (!any)
        return;
    for (QAbstractAxis* axis : axes(Qt::Horizontal))
        axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first)),
                       QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last)));
    for (QAbstractAxis* axis : axes(Qt::Vertical))
        axis->setRange(0.0, highest);
}

void BalanceChart::FollowPalette(const QPalette& palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
}
