#include "app/WheelGuard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace {

// The controls whose value a turn of the wheel steps.
bool StepsOnWheel(const QObject* object)
{
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object);
}

} // namespace

void WheelGuard::Install()
{
    static WheelGuard* guard = nullptr;
    if (guard)
        return;
    guard = new WheelGuard(qApp);
    qApp->installEventFilter(guard);
}

// Qt gives the focus to a control under the wheel before the wheel reaches
// it, so the control loses that part of its focus policy when it is first
// polished. A wheel event left unaccepted goes on to the control's parent.
bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Polish && type != QEvent::Wheel) || !StepsOnWheel(watched))
        return false;
    auto* control = static_cast<QWidget*>(watched);
    if (type == QEvent::Polish) {
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        return false;
    }
    if (control->hasFocus())
        return false;
    event->ignore();
    return true;
}
