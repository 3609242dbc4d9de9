#include "scenario/FieldColour.h"

#include <QPalette>
#include <QWidget>

const QColor FieldColour::Required(255, 208, 215);

namespace {

// A reason in an empty field, readable on every light colour.
const QColor ReasonOnLight(96, 96, 96);

} // namespace

void FieldColour::Mark(QWidget* field, const QColor& colour)
{
    QPalette marked = field->palette();
    marked.setColor(QPalette::Base, colour);
    marked.setColor(QPalette::Text, Qt::black);
    marked.setColor(QPalette::PlaceholderText, ReasonOnLight);
    field->setPalette(marked);
}

void FieldColour::Clear(QWidget* field)
{
    field->setPalette(QPalette());
}
