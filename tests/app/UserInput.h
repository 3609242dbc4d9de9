#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>

// What a user does with the window's fields, key by key.

// Key by key, also characters that are on no key of a US keyboard (as an
// input method delivers them).
inline void TypeText(QWidget* field, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Clicks into the field, types over what it shows and leaves it with Tab.
inline void TypeInto(QWidget* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

// Opens the list with a click on its arrow, moves to the entry and takes it
// with Enter; false when the open list has no such entry.
inline bool PickFrom(QComboBox* list, const QString& entry)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    const QRect arrow =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, arrow.center());
    const int index = list->findText(entry);
    QAbstractItemView* view = list->view();
    if (index < 0 || !view->isVisible()) {
        list->hidePopup();
        return false;
    }
    view->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    return true;
}

// The entries of a list, in order.
inline QStringList EntriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}
