#include "scenario/ChoiceList.h"

#include <QComboBox>
#include <QFocusEvent>

void ChoiceList::Select(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

bool ChoiceList::IsOpening(const QEvent* event)
{
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
}

bool ChoiceList::IsLeaving(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
