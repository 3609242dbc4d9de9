#include "app/Main.h"

#include <QMainWindow>

void Main()
{
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Loan"));
    window->show();
}
