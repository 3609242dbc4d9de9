#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Where a window may go on a screen: the place asked for when it fits, else
// moved, and shrunk if it must be, so that the window with its frame lies
// wholly in the part of the screen that windows may use.
class ScreenFit
{
public:
    // `wanted` and the result are the window's inside; `frame` the frame
    // around it (empty before the window was first shown).
    static QRect Inside(const QRect& wanted, const QRect& available, const QMargins& frame);
    // The frame the window system puts around a shown window.
    static QMargins FrameOf(const QWidget& window);
};
