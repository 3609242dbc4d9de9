#include "app/WhatsThisLinks.h"

#include <QApplication>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QWidget>

WhatsThisLinks::WhatsThisLinks(QWidget& window, Follow follow)
    : m_window(window)
    , m_follow(std::move(follow))
{
    qApp->installEventFilter(this);
}

WhatsThisLinks::~WhatsThisLinks()
{
    qApp->removeEventFilter(this);
}

// The link is followed once the bubble's own click is through, so that
// closing the bubble cannot take the activation back from what the link
// opens.
bool WhatsThisLinks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::WhatsThisClicked || !watched->isWidgetType())
        return false;
    const auto* control = static_cast<QWidget*>(watched);
    if (control->window() != &m_window)
        return false;
    const QString name = control->objectName();
    const QString href = static_cast<QWhatsThisClickedEvent*>(event)->href();
    QMetaObject::invokeMethod(this, [this, name, href] { Followed(name, href); }, Qt::QueuedConnection);
    return true;
}

void WhatsThisLinks::Followed(const QString& controlName, const QString& href)
{
    QWhatsThis::hideText();
    m_follow(controlName, href);
}
