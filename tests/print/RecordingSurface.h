#pragma once

#include "print/ReportSurface.h"

#include <QLineF>
#include <QRectF>

#include <vector>

// A page that keeps what was drawn on it, in a font of fixed pitch: a
// character is ten twips wide per point of size and a line 24 twips high per
// point, whatever the typeface, so that every measure can be worked out by
// hand.
class RecordingSurface : public ReportSurface
{
public:
    struct Mark
    {
        QString text;
        // A text's extent, a box, or a line from top left to bottom right.
        QRectF place;
        Font font;
        int width;
        int page;
    };

    RecordingSurface(double width, double height) : m_width(width), m_height(height) {}

    double PrintableWidth() const override { return m_width; }
    double PrintableHeight() const override { return m_height; }
    void Print(const QString& line) override
    {
        Keep(texts, line, QRectF(CurrentX(), CurrentY(), LineWidthOf(line), LineHeight()));
    }
    void Line(double x1, double y1, double x2, double y2) override
    {
        Keep(lines, {}, QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    }
    void Rectangle(double left, double top, double width, double height) override
    {
        Keep(boxes, {}, QRectF(left, top, width, height));
    }
    void NewPage() override { CountPage(); }

    std::vector<Mark> Find(const QString& text) const
    {
        std::vector<Mark> found;
        for (const Mark& drawn : texts) {
            if (drawn.text == text)
                found.push_back(drawn);
        }
        return found;
    }

    std::vector<Mark> texts;
    std::vector<Mark> lines;
    std::vector<Mark> boxes;

protected:
    double LineWidthOf(const QString& line) override
    {
        return static_cast<double>(line.size()) * CurrentFont().size * 10;
    }
    double LineHeight() override { return CurrentFont().size * 24; }

private:
    void Keep(std::vector<Mark>& marks, const QString& text, const QRectF& place)
    {
        marks.push_back({text, place, CurrentFont(), LineWidth(), Page()});
    }

    double m_width;
    double m_height;
};
