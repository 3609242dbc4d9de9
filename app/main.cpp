#include "app/FirstPaintExit.h"
#include "app/Main.h"
#include "app/StartUpWarmUp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const StartUpWarmUp warmUp;
    // The desktop matches the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zanticbrindlecoft.Loan"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/loan.svg")));
    FirstPaintExit::ArmIfAsked();
    Main();
    return app.exec();
}
