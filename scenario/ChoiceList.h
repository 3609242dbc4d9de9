#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QEvent;

// The drop-down lists of fixed names (loan types, payment frequencies). The
// user cannot type into them, so a name shows only as the selected entry;
// their entries are filled when the user is about to choose one.
class ChoiceList
{
public:
    // Selects the entry with exactly this text, or none when no entry has it.
    static void Select(QComboBox* list, const QString& text);
    // Adds the names unless the list already has entries; what the list
    // shows stays as it was.
    static void Fill(QComboBox* list, const QStringList& names);
    // The names of another language in place of those the list has.
    static void Refill(QComboBox* list, const QStringList& names);
    // An editable list shows the text, with its entry of that text (in any
    // case) current, so that leaving the list does not pick that entry again.
    static void ShowText(QComboBox* list, const QString& text);
    // A press of the mouse, which opens the list, or of any key.
    static bool IsOpening(const QEvent* event);
    // The focus leaving for another control, not for the list's own pop-up
    // or another window.
    static bool IsLeaving(const QEvent* event);
};
