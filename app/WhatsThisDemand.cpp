#include "app/WhatsThisDemand.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

WhatsThisDemand::WhatsThisDemand(QWidget& window, std::function<void()> asked)
    : m_window(window)
    , m_asked(std::move(asked))
{
    qApp->installEventFilter(this);
}

WhatsThisDemand::~WhatsThisDemand()
{
    qApp->removeEventFilter(this);
}

bool WhatsThisDemand::eventFilter(QObject* watched, QEvent* event)
{
    if (IsAsking(watched, event))
        m_asked();
    return false;
}

bool WhatsThisDemand::IsAsking(QObject* watched, QEvent* event) const
{
    switch (event->type()) {
    case QEvent::EnterWhatsThisMode:
        return true;
    case QEvent::WhatsThis:
    case QEvent::QueryWhatsThis:
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || !(key->modifiers() & Qt::ShiftModifier))
            return false;
        break;
    }
    default:
        return false;
    }
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &m_window;
}
