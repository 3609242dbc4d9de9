#include "RecordingSurface.h"

RecordingSurface::RecordingSurface(double width, double height)
    : m_width(width)
    , m_height(height)
{
}

void RecordingSurface::Print(const QString& line)
{
    texts.push_back({line, CurrentX(), CurrentY(), CurrentFont(), Page()});
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2)
{
    lines.push_back({QLineF(x1, y1, x2, y2), LineWidth(), Page()});
}

void RecordingSurface::Rectangle(double left, double top, double width, double height)
{
    boxes.push_back({QRectF(left, top, width, height), LineWidth(), Page()});
}

void RecordingSurface::NewPage()
{
    CountPage();
}

const RecordingSurface::Text* RecordingSurface::Find(const QString& text) const
{
    for (const Text& drawn : texts) {
        if (drawn.text == text)
            return &drawn;
    }
    return nullptr;
}

std::vector<RecordingSurface::Text> RecordingSurface::FindAll(const QString& text) const
{
    std::vector<Text> found;
    for (const Text& drawn : texts) {
        if (drawn.text == text)
            found.push_back(drawn);
    }
    return found;
}

double RecordingSurface::WidthOf(const Text& drawn) const
{
    return static_cast<double>(drawn.text.size()) * drawn.font.size * 10;
}

double RecordingSurface::HeightOf(const Text& drawn) const
{
    return drawn.font.size * 24;
}

double RecordingSurface::LineWidthOf(const QString& line)
{
    return static_cast<double>(line.size()) * CurrentFont().size * 10;
}

double RecordingSurface::LineHeight()
{
    return CurrentFont().size * 24;
}
