#pragma once

#include "print/ReportSurface.h"

#include <QLineF>
#include <QRectF>

#include <vector>

// A page that keeps what was drawn on it. Its font is of fixed pitch: a
// character is ten twips wide per point of size and a line 24 twips high per
// point, whatever the typeface, so that every measurement can be worked out
// by hand.
class RecordingSurface : public ReportSurface
{
public:
    struct Text
    {
        QString text;
        double x;
        double y;
        Font font;
        int page;
    };
    struct Stroke
    {
        QLineF line;
        int width;
        int page;
    };
    struct Box
    {
        QRectF rect;
        int width;
        int page;
    };

    RecordingSurface(double width, double height);

    double PrintableWidth() const override { return m_width; }
    double PrintableHeight() const override { return m_height; }
    void Print(const QString& line) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Rectangle(double left, double top, double width, double height) override;
    void NewPage() override;

    // The first text drawn that is exactly this, or null.
    const Text* Find(const QString& text) const;
    std::vector<Text> FindAll(const QString& text) const;
    // The extent a drawn text takes on its page.
    double WidthOf(const Text& drawn) const;
    double HeightOf(const Text& drawn) const;

    std::vector<Text> texts;
    std::vector<Stroke> lines;
    std::vector<Box> boxes;

protected:
    double LineWidthOf(const QString& line) override;
    double LineHeight() override;

private:
    double m_width;
    double m_height;
};
