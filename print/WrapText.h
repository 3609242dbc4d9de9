#pragma once

#include <QString>

class ReportSurface;

// The text with line breaks ("\n") put in so that no line is wider than
// wrapWidth in the surface's current font: a line breaks at its last blank
// or hyphen that still fits, the hyphen staying at the line's end and the
// blank dropped, or at the character that overflows when there is neither.
// Its own line breaks stay, and a new line never starts with blanks. A
// carriage return before a line break is dropped.
QString WrapText(ReportSurface& surface, const QString& text, double wrapWidth);
