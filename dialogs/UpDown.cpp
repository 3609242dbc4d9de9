#include "dialogs/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = NewArrow(Qt::UpArrow, "cmdUp");
    QToolButton* down = NewArrow(Qt::DownArrow, "cmdDown");
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDown::StepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::StepDown);
    setFixedHeight(m_buddy->sizeHint().height());
    m_buddy->installEventFilter(this);
}

// The arrows never take the focus: the count being typed stays in its field
// until the user leaves it.
QToolButton* UpDown::NewArrow(Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

void UpDown::Step(int by)
{
    bool ok = false;
    const qint64 shown = m_buddy->text().toLongLong(&ok);
    const qint64 next = ok ? std::clamp<qint64>(shown + by, m_minimum, m_maximum) : (by > 0 ? m_minimum : m_maximum);
    m_buddy->setText(QString::number(next));
    m_buddy->selectAll();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
