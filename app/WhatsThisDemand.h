#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Tells when the user first asks for a What's-this text of one window's
// controls: entering What's-this mode by any way, Shift+F1 on a control, or
// Qt asking a control for its text. The texts come from the help file, and
// reading it is most of what the help costs, so the window starts without
// them and gets them at this moment, before Qt looks at them.
class WhatsThisDemand : public QObject
{
    Q_OBJECT

public:
    WhatsThisDemand(QWidget& window, std::function<void()> asked);
    ~WhatsThisDemand() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsAsking(QObject* watched, QEvent* event) const;

    QWidget& m_window;
    std::function<void()> m_asked;
};
