// The yardstick of bench_startup: the least a Qt Widgets program with a
// window like the main window's does to show it, a main window with a menu
// bar and 88 line edits, ended once it has painted, as the program is when
// LOAN_EXIT_AFTER_FIRST_PAINT is set, and reporting that moment as it does.

#include "app/FirstPaintExit.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

namespace {

constexpr int Fields = 88;
constexpr int Columns = 8;

class Window : public QMainWindow
{
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        if (!m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(qApp, &Window::ReportAndQuit, Qt::QueuedConnection);
        }
    }

private:
    static void ReportAndQuit()
    {
        FirstPaintExit::ReportPainted();
        QCoreApplication::quit();
    }

    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Window window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&Contents"));
    auto* body = new QWidget;
    auto* grid = new QGridLayout(body);
    for (int field = 0; field < Fields; ++field)
        grid->addWidget(new QLineEdit, field / Columns, field % Columns);
    window.setCentralWidget(body);
    window.show();
    return application.exec();
}
