#include "dialogs/BalanceChart.h"

#include "engine/AmortizationSchedule.h"
#include "engine/DayCount.h"
#include "model/CostsTable.h"

#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Enough points to draw a line as wide as a screen; a longer schedule gives
// every few payments one, and always its last.
constexpr std::size_t PointsPerLine = 60;

// The date axis reads local time. Asking the time zone for each point took
// most of a redraw, the system's zone being looked up afresh on every call;
// one day's local midnight gives every other, a daylight-saving hour aside,
// which a line years long never shows.
qreal Time(double dayCount)
{
    static const double epochDay = DayCount::FromDate(QDate(1970, 1, 1));
    static const qreal localOffset = [] {
        const QDate day(2000, 1, 1);
        return static_cast<qreal>(day.startOfDay().toMSecsSinceEpoch()
                                  - day.startOfDay(Qt::UTC).toMSecsSinceEpoch());
    }();
    constexpr qreal MillisecondsPerDay = 86400000.0;
    return (dayCount - epochDay) * MillisecondsPerDay + localOffset;
}

} // namespace

BalanceChart::BalanceChart()
{
    // The window lists the names beneath the chart, whole: the chart's own
    // legend cuts them short.
    legend()->hide();
    // Money in the sheet's digit grouping, in the language's own form.
    setLocalizeNumbers(true);
    auto* dates = new QDateTimeAxis(this);
    dates->setFormat(QStringLiteral("yyyy"));
    addAxis(dates, Qt::AlignBottom);
    auto* money = new QValueAxis(this);
    money->setLabelFormat(QStringLiteral("%.0f"));
    money->setTickCount(6);
    addAxis(money, Qt::AlignLeft);
}

// The lines there are kept and given their new points: making lines and
// attaching axes is what takes the chart its time.
void BalanceChart::Show(const CostsTable& costs, const QString& currentName)
{
    int shown = 0;
    for (int row = 0; row < costs.rowCount(); ++row) {
        if (costs.Schedule(row).PaysOff())
            ShowLine(shown++, costs.LenderName(row), costs.Schedule(row));
    }
    m_quoteLines = shown;
    if (costs.CurrentSchedule().PaysOff())
        ShowLine(shown++, currentName, costs.CurrentSchedule());
    while (series().size() > shown) {
        QAbstractSeries* last = series().constLast();
        removeSeries(last);
        delete last;
    }
    PaintLines();
    FitAxes();
}

// The theme's few colours come round again after five lines; hues a golden
// angle apart never do, and every other line is a shade deeper, so even
// neighbouring hues differ. The current loan is dashed in the labels'
// colour, apart from every quote.
void BalanceChart::PaintLines()
{
    constexpr double GoldenAngle = 137.508;
    const bool dark = theme() == ChartThemeDark;
    const QList<QAbstractSeries*> lines = series();
    for (int k = 0; k < lines.size(); ++k) {
        const int hue = static_cast<int>(std::fmod(210 + k * GoldenAngle, 360.0));
        const int value = (dark ? 255 : 210) - (k % 2) * 60;
        QPen pen(k < m_quoteLines ? QColor::fromHsv(hue, 210, value)
                                  : axes(Qt::Vertical).constFirst()->labelsColor());
        pen.setWidthF(2);
        pen.setStyle(k < m_quoteLines ? Qt::SolidLine : Qt::DashLine);
        static_cast<QLineSeries*>(lines.at(k))->setPen(pen);
    }
}

// A line starts from what is owed before its first payment.
void BalanceChart::ShowLine(int position, const QString& name, const AmortizationSchedule& schedule)
{
    if (series().size() <= position) {
        auto* line = new QLineSeries(this);
        addSeries(line);
        for (QAbstractAxis* axis : axes())
            line->attachAxis(axis);
    }
    auto* line = static_cast<QLineSeries*>(series().at(position));
    line->setName(name);
    const auto& payments = schedule.Payments();
    const std::size_t step = std::max<std::size_t>(1, payments.size() / PointsPerLine);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(payments.size() / step) + 2);
    const auto& first = payments.front();
    points.append({Time(first.DueDate), (first.Balance + first.Principal).ToDouble()});
    for (std::size_t k = 0; k < payments.size(); k += step)
        points.append({Time(payments[k].DueDate), payments[k].Balance.ToDouble()});
    if ((payments.size() - 1) % step != 0)
        points.append({Time(payments.back().DueDate), 0.0});
    line->replace(points);
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
    // Laying the axes out afresh is most of a redraw's time; most edits
    // leave the span of the lines as it was.
    const QRectF span(first, 0, last - first, highest);
    if (!any || span == m_span)
        return;
    m_span = span;
    for (QAbstractAxis* axis : axes(Qt::Horizontal))
        axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first)),
                       QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last)));
    for (QAbstractAxis* axis : axes(Qt::Vertical)) {
        axis->setRange(0.0, highest);
        static_cast<QValueAxis*>(axis)->applyNiceNumbers();
    }
}

void BalanceChart::FollowPalette(const QPalette& palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    PaintLines();
}
