#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

// What the comparison report draws on: a page whose unit is the twip
// (1/1440 inch) of its printable area, with a current font, a line width
// and a current position, as a printer object offers them. A text with line
// breaks measures as its widest line and as all its lines stacked.
class ReportSurface
{
public:
    struct Font
    {
        QString typeface;
        double size = 10;
        bool bold = false;
        bool italic = false;
    };

    virtual ~ReportSurface() = default;

    virtual double PrintableWidth() const = 0;
    virtual double PrintableHeight() const = 0;

    void SetTypeface(const QString& typeface)
    {
        m_font.typeface = typeface;
        FontChanged();
    }
    // Points.
    void SetSize(double size)
    {
        m_font.size = size;
        FontChanged();
    }
    void SetBold(bool bold)
    {
        m_font.bold = bold;
        FontChanged();
    }
    void SetItalic(bool italic)
    {
        m_font.italic = italic;
        FontChanged();
    }
    const Font& CurrentFont() const { return m_font; }

    // In dots of a 600-dpi printer, so that paper and PDF look alike.
    void SetLineWidth(int width) { m_lineWidth = width; }
    int LineWidth() const { return m_lineWidth; }

    void MoveTo(double x, double y)
    {
        m_x = x;
        m_y = y;
    }
    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }

    double TextWidth(const QString& text)
    {
        double widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, LineWidthOf(line));
        return widest;
    }
    double TextHeight(const QString& text)
    {
        return LineHeight() * static_cast<double>(text.count(QLatin1Char('\n')) + 1);
    }

    // One line of text with its top left corner at the current position.
    virtual void Print(const QString& line) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // The outline only.
    virtual void Rectangle(double left, double top, double width, double height) = 0;
    virtual void NewPage() = 0;
    // 1 on the first page.
    int Page() const { return m_page; }

protected:
    virtual void FontChanged() {}
    virtual double LineWidthOf(const QString& line) = 0;
    virtual double LineHeight() = 0;
    void CountPage() { ++m_page; }

private:
    Font m_font;
    int m_lineWidth = 1;
    double m_x = 0;
    double m_y = 0;
    int m_page = 1;
};
