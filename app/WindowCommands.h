#pragma once

#include <memory>

class HelpCommands;
class LoanDocument;
class LoanForm;
class WindowServices;

// The commands of the main window that open windows and dialogs of their
// own: File > Print Setup, Print and Export PDF, Tools > Compare Costs and
// Options (also a click on the background), the Help menu with the
// What's-this and Share buttons. They are put together here, from the
// window's controls, its scenario and what they ask of the window, so that
// none of them knows the window class; they last as long as the window.
class WindowCommands
{
public:
    WindowCommands(WindowServices& services, LoanForm& form, LoanDocument& document);
    ~WindowCommands();

    // After the window got its texts: the help of the bound library, and
    // every control's What's-this text from it.
    void ApplyLanguage();

private:
    std::unique_ptr<HelpCommands> m_help;
};
