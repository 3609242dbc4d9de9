#include "scenario/ChoiceList.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QSignalBlocker>

void ChoiceList::Select(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ChoiceList::Fill(QComboBox* list, const QStringList& names)
{
    if (list->count() > 0)
        return;
    const QString shown = list->currentText();
    const QSignalBlocker quiet(list);
    list->addItems(names);
    list->setCurrentIndex(list->findText(shown));
    if (list->isEditable())
        list->setEditText(shown);
}

void ChoiceList::Refill(QComboBox* list, const QStringList& names)
{
    list->clear();
    Fill(list, names);
}

void ChoiceList::ShowText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchFixedString));
    list->setEditText(text);
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
