#include "app/HelpCommands.h"

#include "app/AccessibleNames.h"
#include "app/HelpLibrary.h"
#include "app/HelpTopics.h"
#include "app/Language.h"
#include "app/Loan.h"
#include "app/MessageBox.h"
#include "app/ShareMail.h"
#include "app/WhatsThisLinks.h"
#include "app/frmHelp.h"
#include "dialogs/frmAbout.h"
#include "langlib/Resources.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QWhatsThis>

HelpCommands::HelpCommands(Loan& window)
    : m_window(window)
{
    window.mnuHelpContents->setShortcut(QKeySequence::HelpContents);
    QObject::connect(window.mnuHelpContents, &QAction::triggered, &window, [this] { ShowContents(); });
    QObject::connect(window.mnuHelpSearch, &QAction::triggered, &window, [this] { ShowSearch(); });
    QObject::connect(window.mnuHelpAbout, &QAction::triggered, &window, [this] { ShowAbout(); });
    QObject::connect(window.cmdWhatsThis, &QToolButton::clicked, &window, [this] { EnterWhatsThisMode(); });
    QObject::connect(window.cmdShare, &QPushButton::clicked, &window, [] { ShareMail::Send(); });
    m_links = std::make_unique<WhatsThisLinks>(
        window, [this](const QString& controlName, const QString& href) { FollowWhatsThisLink(controlName, href); });
}

HelpCommands::~HelpCommands()
{
    delete m_helpWindow;
}

// A new language brings its own help file; the help window of the old one
// goes with it, and one of the new help opens in its place.
void HelpCommands::ApplyLanguage()
{
    if (!m_help || m_help->HelpFile() != Language::HelpFile()) {
        const bool wasOpen = m_helpWindow && m_helpWindow->isVisible();
        RetireHelpWindow();
        m_help = std::make_unique<HelpLibrary>(Language::HelpFile());
        if (wasOpen && m_help->IsOpen())
            OpenHelpWindow().ShowContents();
    }
    HelpTopics::ApplyWhatsThis(&m_window, *m_help);
}

void HelpCommands::ShowContents()
{
    if (HelpAvailable())
        OpenHelpWindow().ShowContents();
}

void HelpCommands::ShowSearch()
{
    if (HelpAvailable())
        OpenHelpWindow().ShowSearch();
}

// A link is written relative to the page of the control's topic, as the
// help window reads it there.
void HelpCommands::FollowWhatsThisLink(const QString& controlName, const QString& href)
{
    if (HelpAvailable())
        OpenHelpWindow().ShowContentsAt(m_help->TopicUrl(HelpTopics::TopicOf(controlName)).resolved(QUrl(href)));
}

void HelpCommands::EnterWhatsThisMode()
{
    if (HelpAvailable())
        QWhatsThis::enterWhatsThisMode();
}

void HelpCommands::ShowAbout()
{
    auto* about = new frmAbout(&m_window);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

// Deleted later, with its help after it: the language switch that got here
// may still be going through the top-level windows.
void HelpCommands::RetireHelpWindow()
{
    if (!m_helpWindow)
        return;
    m_helpWindow->hide();
    std::shared_ptr<HelpLibrary> help(std::move(m_help));
    QObject::connect(m_helpWindow, &QObject::destroyed, [help] {});
    m_helpWindow->deleteLater();
    m_helpWindow = nullptr;
}

bool HelpCommands::HelpAvailable()
{
    if (m_help->IsOpen())
        return true;
    if (m_help->FailedFile().isEmpty())
        MessageBox::Ok(m_help->Problem());
    else
        MessageBox::Ok(Language::LoadResString(rsHelpFileMissing) + m_help->FailedFile()
                       + Language::LoadResString(rsHelpFileUnusable));
    return false;
}

frmHelp& HelpCommands::OpenHelpWindow()
{
    if (!m_helpWindow) {
        m_helpWindow = new frmHelp(*m_help, &m_window);
        AccessibleNames::Apply(*m_helpWindow);
    }
    return *m_helpWindow;
}
