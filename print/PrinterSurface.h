#pragma once

#include "print/ReportSurface.h"

#include <QFont>
#include <QFontMetricsF>

class QPainter;
class QPrinter;

// The report's page on a printer (or a PDF file): twips are turned into the
// printer's dots by its resolution, so a font's size in points is a pixel
// size of twenty twips a point in the painter's coordinates.
class PrinterSurface : public ReportSurface
{
public:
    // The painter has begun on the printer.
    PrinterSurface(QPainter& painter, QPrinter& printer);

    double PrintableWidth() const override;
    double PrintableHeight() const override;
    void Print(const QString& line) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Rectangle(double left, double top, double width, double height) override;
    void NewPage() override;

protected:
    void FontChanged() override;
    double LineWidthOf(const QString& line) override;
    double LineHeight() override;

private:
    void UsePen();

    QPainter& m_painter;
    QPrinter& m_printer;
    QFont m_qfont;
    QFontMetricsF m_metrics;
};
