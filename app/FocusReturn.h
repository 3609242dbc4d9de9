#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QFocusEvent;

// A field that loses the focus because its window lost it (to a message box,
// another program or a pop-up) may never hear that it was left: the click
// that brings the window back can put the focus straight into another field.
// FocusReturn watches for that return so the field can still be left.
class FocusReturn : public QObject
{
public:
    explicit FocusReturn(QObject* parent = nullptr);

    // A focus-out of this kind means the window went away, not the field.
    static bool IsLeavingTheWindow(const QFocusEvent* event);

    // Calls left at the first focus change inside field's window, unless the
    // focus comes back to field itself. A later call replaces the field.
    void Await(QWidget* field, std::function<void()> left);

private:
    void FocusChanged(QWidget* now);
    void Stop();

    QPointer<QWidget> m_field;
    std::function<void()> m_left;
    QMetaObject::Connection m_watch;
};
