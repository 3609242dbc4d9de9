#pragma once

#include "dialogs/frmCosts.h"

#include <QObject>
#include <QPointer>

class LoanDocument;
class LoanForm;
class QAction;
class WindowServices;

// Tools > Compare costs...: opens the costs window over the main window, or
// brings the open one forward.
class CostsCommand : public QObject
{
    Q_OBJECT

public:
    CostsCommand(WindowServices& services, LoanForm& form, LoanDocument& document);

    // The window once opened; null before and after it is closed.
    frmCosts* Window() const { return m_costs; }
    void Open();
    // How the window's report reaches the printer; the window opened next
    // takes it.
    void SetPrintRunner(frmCosts::PrintRunner run) { m_print = std::move(run); }

private:
    void ShowText();

    WindowServices& m_services;
    LoanForm& m_form;
    LoanDocument& m_document;
    QAction* m_command;
    QPointer<frmCosts> m_costs;
    frmCosts::PrintRunner m_print;
};
