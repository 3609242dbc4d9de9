#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons bound to a text field, its buddy: each click, and
// the Up and Down keys in the buddy, step the whole number the buddy shows by
// one, within the control's minimum and maximum. A buddy that shows no number
// (empty, or too long to count) steps to the bound the arrow points at.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int by);
    QToolButton* NewArrow(Qt::ArrowType arrow, const char* name);

    QLineEdit* m_buddy;
    int m_minimum;
    int m_maximum;
};
