#include "app/FirstPaintExit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>

namespace {

// Qt paints a window and its controls in one pass; ending after that pass,
// not inside it, lets the whole window reach the screen once.
class FirstPaintWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched)) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &FirstPaintWatch::ReportAndQuit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void ReportAndQuit()
    {
        FirstPaintExit::ReportPainted();
        QCoreApplication::quit();
    }
};

} // namespace

void FirstPaintExit::ArmIfAsked()
{
    if (qEnvironmentVariableIntValue("LOAN_EXIT_AFTER_FIRST_PAINT") == 1)
        qApp->installEventFilter(new FirstPaintWatch(qApp));
}
