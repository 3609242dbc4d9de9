#include "scenario/FieldColour.h"

#include <QPalette>
#include <QWidget>

const QColor FieldColour::Required(255, 208, 215);

void FieldColour::Mark(QWidget* field, const QColor& colour)
{
    QPalette marked = field->palette();
    marked.setColor(QPalette::Base, colour);
    marked.setColor(QPalette::Text, Qt::black);
    field->setPalette(marked);
}

void FieldColour::Clear(QWidget* field)
{
    field->setPalette(QPalette());
}
