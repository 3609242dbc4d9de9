#include "app/WindowCommands.h"

#include "app/HelpCommands.h"
#include "app/OptionsCommand.h"
#include "app/WindowServices.h"
#include "dialogs/CostsCommand.h"
#include "langlib/ResourceIds.h"
#include "model/LoanDocument.h"
#include "print/frmPrint.h"
#include "print/PrintCommands.h"

// The commands that are objects are the window's children and go with it.
WindowCommands::WindowCommands(WindowServices& services, LoanForm& form, LoanDocument& document)
{
    auto* printing = new PrintCommands(services, form, document);
    // The costs window's report goes through the File menu's printer,
    // dialogs and progress window.
    (new CostsCommand(services, form, document))
        ->SetPrintRunner([printing, &document](const PrintedReport::Maker& make, bool pdf, QWidget* parent) -> QWidget* {
            if (!pdf)
                return printing->PrintReport(make, parent);
            const QString caption =
                document.LoadResString(rsCostsExportPdf).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
            return printing->ExportReportPdf(make, parent, caption);
        });
    m_help = std::make_unique<HelpCommands>(services.Window(), form);
    new OptionsCommand(services, form);
}

WindowCommands::~WindowCommands() = default;

void WindowCommands::ApplyLanguage()
{
    m_help->ApplyLanguage();
}
