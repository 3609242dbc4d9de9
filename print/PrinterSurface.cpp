#include "print/PrinterSurface.h"

#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerDot = TwipsPerInch / 600.0;

} // namespace

PrinterSurface::PrinterSurface(QPainter& painter, QPrinter& printer)
    : m_painter(painter)
    , m_printer(printer)
    , m_metrics(m_qfont)
{
    const double dotsPerTwip = printer.resolution() / TwipsPerInch;
    m_painter.resetTransform();
    m_painter.scale(dotsPerTwip, dotsPerTwip);
    m_painter.setBrush(Qt::NoBrush);
    FontChanged();
}

double PrinterSurface::PrintableWidth() const
{
    return m_printer.pageRect(QPrinter::Inch).width() * TwipsPerInch;
}

double PrinterSurface::PrintableHeight() const
{
    return m_printer.pageRect(QPrinter::Inch).height() * TwipsPerInch;
}

void PrinterSurface::Print(const QString& line)
{
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(CurrentX(), CurrentY() + m_metrics.ascent()), line);
}

void PrinterSurface::Line(double x1, double y1, double x2, double y2)
{
    UsePen();
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PrinterSurface::Rectangle(double left, double top, double width, double height)
{
    UsePen();
    m_painter.drawRect(QRectF(left, top, width, height));
}

void PrinterSurface::NewPage()
{
    m_printer.newPage();
    CountPage();
}

// Unhinted, so that what is measured is what the page shows.
void PrinterSurface::FontChanged()
{
    const Font& font = CurrentFont();
    m_qfont = QFont(font.typeface);
    m_qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * TwipsPerPoint))));
    m_qfont.setBold(font.bold);
    m_qfont.setItalic(font.italic);
    m_qfont.setHintingPreference(QFont::PreferNoHinting);
    m_painter.setFont(m_qfont);
    m_metrics = QFontMetricsF(m_qfont, &m_printer);
}

double PrinterSurface::LineWidthOf(const QString& line)
{
    return m_metrics.horizontalAdvance(line);
}

double PrinterSurface::LineHeight()
{
    return m_metrics.height();
}

void PrinterSurface::UsePen()
{
    QPen pen(Qt::black);
    pen.setWidthF(LineWidth() * TwipsPerDot);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}
