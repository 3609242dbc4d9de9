#include "app/ScreenFit.h"

#include <QWidget>

#include <algorithm>

QRect ScreenFit::Inside(const QRect& wanted, const QRect& available, const QMargins& frame)
{
    QRect outer = wanted.marginsAdded(frame);
    outer.setWidth(std::min(outer.width(), available.width()));
    outer.setHeight(std::min(outer.height(), available.height()));
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return outer.marginsRemoved(frame);
}

QMargins ScreenFit::FrameOf(const QWidget& window)
{
    const QRect inside = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inside.left() - outer.left(), inside.top() - outer.top(), outer.right() - inside.right(),
            outer.bottom() - inside.bottom()};
}
