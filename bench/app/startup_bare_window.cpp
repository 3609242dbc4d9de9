// The yardstick of bench_startup: the least a Qt Widgets program with a
// window like the main window's does to show it, a main window with a menu
// bar and 88 line edits, ended once it has painted, as the program is when
// LOAN_EXIT_AFTER_FIRST_PAINT is set, and reporting that moment as it does.

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdio>

#include <time.h>

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
    // As the program reports its first paint.
    static void ReportAndQuit()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("painted %.3f\n", now.tv_sec * 1e3 + now.tv_nsec / 1e6);
        std::fflush(stdout);
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
