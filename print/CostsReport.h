#pragma once

#include "print/PrintedReport.h"
#include "print/ReportSurface.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>

// The costs window on paper: the scenario's name and the date, the costs
// table with every column, the balance of every loan over time, and the
// payments of the quote chosen in the table. Tables that do not fit
// continue on further pages, which repeat their headings; every page
// carries its number. Works from a copy of what the window showed when the
// job started, so edits made while it prints do not mix into it.
class CostsReport : public PrintedReport
{
public:
    struct Series
    {
        QString name;
        // Day counts against balances.
        QList<QPointF> points;
    };
    struct Table
    {
        QStringList headings;
        QList<QStringList> rows;
        // Columns whose figures stand at the right.
        QList<bool> right;
    };
    struct Content
    {
        QString title;
        QString scenario;
        QString date;
        QString pageText;
        Table costs;
        QString chartTitle;
        QList<Series> balances;
        QString scheduleTitle;
        Table schedule;
    };

    // yield lets pending window events run once; when it answers false the
    // report stops where it is.
    CostsReport(Content content, ReportSurface& surface, std::function<bool()> yield);

    bool Run() override;
    void PrintPageFooter() override;

private:
    void PrintPageHeading();
    bool NewReportPage();
    // The widths that fit the table across the page at the current font,
    // shrinking the font until they do.
    QList<double> FitColumns(const Table& table);
    double HeadingHeight(const Table& table, const QList<double>& widths);
    void PrintHeadings(const Table& table, const QList<double>& widths);
    void PrintRow(const Table& table, const QStringList& row, const QList<double>& widths);
    bool PrintTable(const Table& table);
    bool PrintChart();
    bool Yield();

    Content m_content;
    ReportSurface& m_surface;
    std::function<bool()> m_yield;
    QString m_typeface;
    double m_y = 0;
    bool m_stopped = false;
};
