#pragma once

#include <QPointer>

#include <memory>

class HelpSource;
class HelpView;
class LoanForm;
class QWidget;
class WhatsThisDemand;
class WhatsThisLinks;

// The Help menu, the What's-this button and the Share button of the main
// window, over the help of the language the window shows. Nothing of the
// help is read until the user first asks for it (a help command, or a
// What's-this text): reading it took much of the start-up before.
class HelpCommands
{
public:
    // The help and about windows open over window; form holds its buttons
    // and menu entries.
    HelpCommands(QWidget& window, LoanForm& form);
    ~HelpCommands();

    // After the window got its texts: once help was used, the help of the
    // bound library, and every control's What's-this text from it.
    void ApplyLanguage();

    void ShowContents();
    void ShowSearch();
    // A link in the What's-this text of the named control.
    void FollowWhatsThisLink(const QString& controlName, const QString& href);
    void EnterWhatsThisMode();
    void ShowAbout();

private:
    // Says once per request when the help file cannot be used.
    bool HelpAvailable();
    HelpSource& Help();
    // Every control's What's-this text, once the user asks for one.
    void GiveWhatsThisTexts();
    void RetireHelpWindow();
    HelpView& OpenHelpWindow();

    QWidget& m_window;
    std::unique_ptr<HelpSource> m_help;
    QPointer<HelpView> m_helpWindow;
    std::unique_ptr<WhatsThisLinks> m_links;
    std::unique_ptr<WhatsThisDemand> m_demand;
    bool m_whatsThisGiven = false;
};
