#include "app/CMouse.h"

#include <QApplication>
#include <QCursor>

CMouse::~CMouse()
{
    if (m_set)
        QApplication::restoreOverrideCursor();
}

void CMouse::SetPointer(Qt::CursorShape pointer)
{
    if (m_set) {
        QApplication::changeOverrideCursor(QCursor(pointer));
        return;
    }
    QApplication::setOverrideCursor(QCursor(pointer));
    m_set = true;
}
