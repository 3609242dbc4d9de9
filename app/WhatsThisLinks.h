#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Links clicked in the What's-this bubbles of one window's controls. Qt
// hands the click to the control the bubble explains, never to its window,
// so the program's events are watched for it.
class WhatsThisLinks : public QObject
{
    Q_OBJECT

public:
    // Follows a link: the control's name and the link's target as written.
    using Follow = std::function<void(const QString& controlName, const QString& href)>;

    WhatsThisLinks(QWidget& window, Follow follow);
    ~WhatsThisLinks() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Followed(const QString& controlName, const QString& href);

    QWidget& m_window;
    Follow m_follow;
};
