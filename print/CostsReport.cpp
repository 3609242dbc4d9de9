#include "print/CostsReport.h"

#include <QFont>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double TitleSize = 12;
constexpr double HeadingSize = 9;
constexpr double TableSize = 8;
// Below this a table is not made any smaller: its columns are narrowed.
constexpr double SmallestTableSize = 4.5;
constexpr double FooterSize = 7;
// Twips between a column's text and the next column.
constexpr double ColumnGap = 150;
// The chart takes this share of a page's height at most.
constexpr double ChartShare = 0.45;
constexpr int RowsBetweenYields = 25;

QStringList Words(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

CostsReport::CostsReport(Content content, ReportSurface& surface, std::function<bool()> yield)
    : m_content(std::move(content))
    , m_surface(surface)
    , m_yield(std::move(yield))
    , m_typeface(QGuiApplication::font().family())
{
}

bool CostsReport::Run()
{
    m_surface.SetTypeface(m_typeface);
    PrintPageHeading();
    if (!PrintTable(m_content.costs))
        return false;
    if (!m_content.balances.isEmpty() && !PrintChart())
        return false;
    if (!m_content.schedule.rows.isEmpty()) {
        m_surface.SetSize(HeadingSize);
        m_surface.SetBold(true);
        const double needed = 4 * m_surface.TextHeight(m_content.scheduleTitle);
        if (m_y + needed > m_surface.PrintableHeight() * 0.9 && !NewReportPage())
            return false;
        m_y += m_surface.TextHeight(m_content.scheduleTitle) / 2;
        m_surface.MoveTo(0, m_y);
        m_surface.Print(m_content.scheduleTitle);
        m_y += m_surface.TextHeight(m_content.scheduleTitle) * 1.3;
        m_surface.SetBold(false);
        if (!PrintTable(m_content.schedule))
            return false;
    }
    return Yield();
}

// The page's number, centred at its foot.
void CostsReport::PrintPageFooter()
{
    m_surface.SetTypeface(m_typeface);
    m_surface.SetSize(FooterSize);
    m_surface.SetBold(false);
    m_surface.SetItalic(true);
    const QString page = m_content.pageText + QString::number(m_surface.Page());
    m_surface.MoveTo((m_surface.PrintableWidth() - m_surface.TextWidth(page)) / 2,
                     m_surface.PrintableHeight() - m_surface.TextHeight(page));
    m_surface.Print(page);
    m_surface.SetItalic(false);
}

void CostsReport::PrintPageHeading()
{
    m_surface.SetSize(TitleSize);
    m_surface.SetBold(true);
    m_surface.MoveTo(0, 0);
    m_surface.Print(m_content.title);
    m_y = m_surface.TextHeight(m_content.title) * 1.2;
    m_surface.SetSize(HeadingSize);
    m_surface.SetBold(false);
    const QString line = m_content.scenario.isEmpty() ? m_content.date
                                                      : m_content.scenario + QStringLiteral(" \u2014 ") + m_content.date;
    m_surface.MoveTo(0, m_y);
    m_surface.Print(line);
    m_y += m_surface.TextHeight(line) * 1.8;
}

bool CostsReport::NewReportPage()
{
    PrintPageFooter();
    m_surface.NewPage();
    PrintPageHeading();
    return Yield();
}

// Headings break between their words, so a column is as wide as its
// longest word or figure.
QList<double> CostsReport::FitColumns(const Table& table)
{
    QList<double> widths;
    for (double size = TableSize; size >= SmallestTableSize; size -= 0.5) {
        m_surface.SetSize(size);
        widths.clear();
        double all = 0;
        for (qsizetype column = 0; column < table.headings.size(); ++column) {
            double width = 0;
            for (const QString& word : Words(table.headings[column]))
                width = std::max(width, m_surface.TextWidth(word));
            for (const QStringList& row : table.rows)
                width = std::max(width, m_surface.TextWidth(row.value(column)));
            widths.append(width + ColumnGap);
            all += width + ColumnGap;
        }
        if (all <= m_surface.PrintableWidth())
            return widths;
    }
    double all = 0;
    for (const double width : widths)
        all += width;
    for (double& width : widths)
        width *= m_surface.PrintableWidth() / all;
    return widths;
}

namespace {

// The heading's words on as few lines as the column's width allows.
QStringList HeadingLines(ReportSurface& surface, const QString& heading, double width)
{
    QStringList lines;
    for (const QString& word : Words(heading)) {
        if (!lines.isEmpty() && surface.TextWidth(lines.last() + QLatin1Char(' ') + word) <= width)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines.append(word);
    }
    return lines;
}

} // namespace

double CostsReport::HeadingHeight(const Table& table, const QList<double>& widths)
{
    qsizetype most = 1;
    for (qsizetype column = 0; column < table.headings.size(); ++column)
        most = std::max(most, HeadingLines(m_surface, table.headings[column], widths[column] - ColumnGap).size());
    return m_surface.TextHeight(QStringLiteral("X")) * static_cast<double>(most);
}

void CostsReport::PrintHeadings(const Table& table, const QList<double>& widths)
{
    m_surface.SetBold(true);
    const double line = m_surface.TextHeight(QStringLiteral("X"));
    const double height = HeadingHeight(table, widths);
    double left = 0;
    for (qsizetype column = 0; column < table.headings.size(); ++column) {
        const QStringList lines = HeadingLines(m_surface, table.headings[column], widths[column] - ColumnGap);
        double top = m_y + height - line * static_cast<double>(lines.size());
        for (const QString& text : lines) {
            const bool right = table.right.value(column);
            const double x = right ? left + widths[column] - ColumnGap / 2 - m_surface.TextWidth(text)
                                   : left + ColumnGap / 2;
            m_surface.MoveTo(x, top);
            m_surface.Print(text);
            top += line;
        }
        left += widths[column];
    }
    m_y += height + line * 0.2;
    m_surface.SetLineWidth(2);
    m_surface.Line(0, m_y, left, m_y);
    m_y += line * 0.2;
    m_surface.SetBold(false);
}

void CostsReport::PrintRow(const Table& table, const QStringList& row, const QList<double>& widths)
{
    double left = 0;
    for (qsizetype column = 0; column < table.headings.size(); ++column) {
        const QString text = row.value(column);
        const double x = table.right.value(column) ? left + widths[column] - ColumnGap / 2 - m_surface.TextWidth(text)
                                                   : left + ColumnGap / 2;
        m_surface.MoveTo(x, m_y);
        m_surface.Print(text);
        left += widths[column];
    }
    m_y += m_surface.TextHeight(QStringLiteral("X")) * 1.15;
}

bool CostsReport::PrintTable(const Table& table)
{
    const QList<double> widths = FitColumns(table);
    const double size = m_surface.CurrentFont().size;
    const double rowHeight = m_surface.TextHeight(QStringLiteral("X")) * 1.15;
    m_surface.SetSize(FooterSize);
    const double bottom = m_surface.PrintableHeight() - 2 * m_surface.TextHeight(QStringLiteral("X"));
    m_surface.SetSize(size);
    if (m_y + HeadingHeight(table, widths) + 2 * rowHeight > bottom) {
        if (!NewReportPage())
            return false;
        m_surface.SetSize(size);
    }
    PrintHeadings(table, widths);
    int sinceYield = 0;
    for (const QStringList& row : table.rows) {
        if (m_y + rowHeight > bottom) {
            if (!NewReportPage())
                return false;
            m_surface.SetSize(size);
            PrintHeadings(table, widths);
        }
        PrintRow(table, row, widths);
        if (++sinceYield == RowsBetweenYields) {
            sinceYield = 0;
            if (!Yield())
                return false;
        }
    }
    m_y += rowHeight;
    return Yield();
}

// Every balance against time in one frame, the years along the bottom; each
// line carries its number at its start, and the legend below names them.
bool CostsReport::PrintChart()
{
    m_surface.SetSize(TableSize);
    const double line = m_surface.TextHeight(QStringLiteral("X"));
    const double legendHeight = line * std::ceil(m_content.balances.size() / 3.0);
    const double height = m_surface.PrintableHeight() * ChartShare;
    const double bottomRoom = 2 * line;
    if (m_y + line * 2 + height + legendHeight + bottomRoom > m_surface.PrintableHeight() && !NewReportPage())
        return false;
    m_surface.SetSize(HeadingSize);
    m_surface.SetBold(true);
    m_surface.MoveTo(0, m_y);
    m_surface.Print(m_content.chartTitle);
    m_y += m_surface.TextHeight(m_content.chartTitle) * 1.3;
    m_surface.SetBold(false);
    m_surface.SetSize(TableSize);

    double first = 0;
    double last = 0;
    double highest = 0;
    bool any = false;
    for (const Series& series : m_content.balances) {
        for (const QPointF& point : series.points) {
            first = any ? std::min(first, point.x()) : point.x();
            last = any ? std::max(last, point.x()) : point.x();
            highest = std::max(highest, point.y());
            any = true;
        }
    }
    const double axisRoom = m_surface.TextWidth(QStringLiteral("0000000"));
    const double left = axisRoom;
    const double width = m_surface.PrintableWidth() - axisRoom;
    const double top = m_y;
    const double plotHeight = height - line;
    m_surface.SetLineWidth(2);
    m_surface.Rectangle(left, top, width, plotHeight);
    if (any && last > first && highest > 0) {
        const auto x = [&](double day) { return left + (day - first) / (last - first) * width; };
        const auto y = [&](double balance) { return top + plotHeight - balance / highest * plotHeight; };
        const QString most = QString::number(std::round(highest / 1000)) + QLatin1Char('k');
        m_surface.MoveTo(left - m_surface.TextWidth(most) - line / 2, top);
        m_surface.Print(most);
        m_surface.MoveTo(left - m_surface.TextWidth(QStringLiteral("0")) - line / 2, top + plotHeight - line);
        m_surface.Print(QStringLiteral("0"));
        const int years = std::max(1, static_cast<int>((last - first) / 365.25));
        const int step = std::max(1, years / 10);
        for (int year = 0; year <= years; year += step) {
            const double at = x(first + year * 365.25);
            m_surface.Line(at, top + plotHeight, at, top + plotHeight + line / 4);
            const QString label = QString::number(year);
            m_surface.MoveTo(at - m_surface.TextWidth(label) / 2, top + plotHeight + line / 4);
            m_surface.Print(label);
        }
        int number = 0;
        for (const Series& series : m_content.balances) {
            ++number;
            m_surface.SetLineWidth(number == 1 ? 4 : 2);
            for (qsizetype k = 1; k < series.points.size(); ++k)
                m_surface.Line(x(series.points[k - 1].x()), y(series.points[k - 1].y()), x(series.points[k].x()),
                               y(series.points[k].y()));
            if (!series.points.isEmpty()) {
                const QPointF start = series.points.first();
                m_surface.MoveTo(x(start.x()) + line / 4 + (number - 1) % 4 * line, y(start.y()) + line / 8);
                m_surface.Print(QString::number(number));
            }
        }
    }
    m_y = top + plotHeight + line * 1.5;
    const double columnWidth = m_surface.PrintableWidth() / 3;
    for (qsizetype k = 0; k < m_content.balances.size(); ++k) {
        m_surface.MoveTo(static_cast<double>(k % 3) * columnWidth, m_y + static_cast<double>(k / 3) * line);
        m_surface.Print(QString::number(k + 1) + QStringLiteral("  ") + m_content.balances[k].name);
    }
    m_y += legendHeight + line;
    m_surface.SetLineWidth(1);
    return Yield();
}

bool CostsReport::Yield()
{
    if (!m_stopped && !m_yield())
        m_stopped = true;
    return !m_stopped;
}
