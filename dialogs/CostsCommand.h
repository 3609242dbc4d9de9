#pragma once

#include "dialogs/frmCosts.h"

#include <QObject>
#include <QPointer>

class Loan;
class QAction;

// Tools > Compare costs...: opens the costs window over the main window, or
// brings the open one forward.
class CostsCommand : public QObject
{
    Q_OBJECT

public:
    explicit CostsCommand(Loan& window);

    // The window once opened; null before and after it is closed.
    frmCosts* Window() const { return m_costs; }
    void Open();
    // How the window's report reaches the printer; the window opened next
    // takes it.
    void SetPrintRunner(frmCosts::PrintRunner run) { m_print = std::move(run); }

private:
    void ShowText();

    Loan& m_window;
    QAction* m_command;
    QPointer<frmCosts> m_costs;
    frmCosts::PrintRunner m_print;
};
