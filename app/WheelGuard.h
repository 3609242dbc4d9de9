#pragma once

#include <QObject>

// The mouse wheel changes only the control the user is working in. A list,
// date picker or spin box without the focus lets the wheel go by, on to
// what scrolls around it (the quote grid, a table), and no longer takes the
// focus from the wheel either: scrolling past a quote's frequency list must
// never turn Monthly into Bimonthly. Watches every window of the program.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    // Once per program; later calls find it in place.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
