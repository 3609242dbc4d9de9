#include "app/FocusReturn.h"

#include <QApplication>
#include <QFocusEvent>

#include <utility>

FocusReturn::FocusReturn(QObject* parent)
    : QObject(parent)
{
}

bool FocusReturn::IsLeavingTheWindow(const QFocusEvent* event)
{
    return event->reason() == Qt::ActiveWindowFocusReason
           || event->reason() == Qt::PopupFocusReason;
}

void FocusReturn::Await(QWidget* field, std::function<void()> left)
{
    m_field = field;
    m_left = std::move(left);
    if (!m_watch)
        m_watch = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void FocusReturn::FocusChanged(QWidget* now)
{
    if (!m_field) {
        Stop();
        return;
    }
    if (!now || now->window() != m_field->window())
        return;
    const bool cameBack = now == m_field;
    const std::function<void()> left = std::exchange(m_left, {});
    Stop();
    if (!cameBack)
        left();
}

void FocusReturn::Stop()
{
    disconnect(m_watch);
    m_watch = {};
    m_field = nullptr;
    m_left = {};
}
