#include "dialogs/CostsCommand.h"

#include "app/LoanForm.h"
#include "app/ScreenFit.h"
#include "app/WindowServices.h"
#include "dialogs/CostsWindowMaker.h"
#include "langlib/ResourceIds.h"
#include "model/LoanDocument.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

// Below Options, with its design caption until the menu first opens; the
// library is not asked while the window is still being built.
CostsCommand::CostsCommand(WindowServices& services, LoanForm& form, LoanDocument& document)
    : QObject(&services.Window())
    , m_services(services)
    , m_form(form)
    , m_document(document)
    , m_command(new QAction(QStringLiteral("&Compare Costs..."), form.mnuTools))
{
    setObjectName(QStringLiteral("CostsCommand"));
    m_command->setObjectName(QStringLiteral("mnuToolsCosts"));
    const QList<QAction*> entries = form.mnuTools->actions();
    const int after = static_cast<int>(entries.indexOf(form.mnuToolsOptions));
    form.mnuTools->insertAction(entries.value(after + 1), m_command);
    connect(m_command, &QAction::triggered, this, &CostsCommand::Open);
    connect(form.mnuTools, &QMenu::aboutToShow, this, &CostsCommand::ShowText);
}

// The costs start from what the sheet holds: a figure still being typed
// is taken in first, as leaving its field would.
void CostsCommand::Open()
{
    if (!m_services.CommitPendingEdit())
        return;
    if (!m_costs) {
        m_costs = CostsWindowMaker::Make(m_document, &m_services.Window(), m_print);
        if (!m_costs)
            return;
        m_costs->setAttribute(Qt::WA_DeleteOnClose);
        // F1 opens the help here as it does over the sheet.
        m_costs->addAction(m_form.mnuHelpContents);
    } else {
        // Opened again, it comes back wholly on its screen, wherever it was
        // moved to.
        m_costs->setGeometry(ScreenFit::Inside(m_costs->geometry(), m_costs->screen()->availableGeometry(),
                                               ScreenFit::FrameOf(*m_costs)));
    }
    m_costs->show();
    m_costs->raise();
    m_costs->activateWindow();
}

void CostsCommand::ShowText()
{
    m_command->setText(m_document.LoadResString(rsMnuToolsCosts));
}
