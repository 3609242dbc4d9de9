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

private:
    void ShowText();

    Loan& m_window;
    QAction* m_command;
    QPointer<frmCosts> m_costs;
};
