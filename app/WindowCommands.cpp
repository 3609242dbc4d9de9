#include "app/WindowCommands.h"

#include "app/HelpCommands.h"
#include "app/OptionsCommand.h"
#include "app/WindowServices.h"
#include "dialogs/CostsCommand.h"
#include "print/PrintCommands.h"

// The commands that are objects are the window's children and go with it.
WindowCommands::WindowCommands(WindowServices& services, LoanForm& form, LoanDocument& document)
{
    new PrintCommands(services, form, document);
    new CostsCommand(services, form, document);
    m_help = std::make_unique<HelpCommands>(services.Window(), form);
    new OptionsCommand(services, form);
}

WindowCommands::~WindowCommands() = default;

void WindowCommands::ApplyLanguage()
{
    m_help->ApplyLanguage();
}
