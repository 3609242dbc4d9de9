#pragma once

#include <QColor>

class QWidget;

// Light backgrounds that set a field apart: a result, a raised payment, a
// missing input. A marked field keeps black text on its light colour, so it stays readable under a dark theme; a
// cleared field takes its colours from the palette again, so its background
// is the palette's base colour.
class FieldColour
{
public:
    // A required entry that is missing: a blank scenario name, an input of
    // the current loan's payment.
    static const QColor Required;

    static void Mark(QWidget* field, const QColor& colour);
    static void Clear(QWidget* field);
};
