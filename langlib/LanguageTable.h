#pragma once

// What sets one language library apart from the other. The Resources class is
// shared; each library defines these functions in its own folder.

#include "langlib/Resources.h"

class QPainter;
class QRect;

// The product page the share note points readers to, in every language. The
// share command appends its referral query where the note says "?ID".
#define LANGLIB_PRODUCT_PAGE "https://loan.zanticbrindlecoft.example/"

namespace LanguageTable {

// The answer of GetInfo.
qint32 Id();
QString Name();

// The library's text for one id; empty for ids it has no text for.
QString Text(ResStringID ID);

// Draws the language's flag into area, using only the sixteen standard
// colours of the icon it stands for.
void PaintFlag(QPainter& painter, const QRect& area);

}
