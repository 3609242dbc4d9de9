#include "app/HelpCommands.h"

#include "app/HelpLocation.h"
#include "app/HelpMaker.h"
#include "app/HelpSource.h"
#include "app/HelpTopics.h"
#include "app/HelpView.h"
#include "app/Language.h"
#include "app/LoanForm.h"
#include "app/MessageBox.h"
#include "app/ShareMail.h"
#include "app/WhatsThisDemand.h"
#include "app/WhatsThisLinks.h"
#include "dialogs/frmAbout.h"
#include "langlib/Resources.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QWhatsThis>
#include <QWidget>

HelpCommands::HelpCommands(QWidget& window, LoanForm& form)
    : m_window(window)
{
    form.mnuHelpContents->setShortcut(QKeySequence::HelpContents);
    QObject::connect(form.mnuHelpContents, &QAction::triggered, &window, [this] { ShowContents(); });
    QObject::connect(form.mnuHelpSearch, &QAction::triggered, &window, [this] { ShowSearch(); });
    QObject::connect(form.mnuHelpAbout, &QAction::triggered, &window, [this] { ShowAbout(); });
    QObject::connect(form.cmdWhatsThis, &QToolButton::clicked, &window, [this] { EnterWhatsThisMode(); });
    QObject::connect(form.cmdShare, &QPushButton::clicked, &window, [] { ShareMail::Send(); });
    m_links = std::make_unique<WhatsThisLinks>(
        window, [this](const QString& controlName, const QString& href) { FollowWhatsThisLink(controlName, href); });
    m_demand = std::make_unique<WhatsThisDemand>(window, [this] { GiveWhatsThisTexts(); });
}

HelpCommands::~HelpCommands()
{
    delete m_helpWindow;
}

// A new language brings its own help file; the help window of the old one
// goes with it, and one of the new help opens in its place.
void HelpCommands::ApplyLanguage()
{
    if (!m_help) {
        HelpLocation::PutInPlace(Language::HelpFile());
        return;
    }
    if (m_help->HelpFile() != Language::HelpFile()) {
        const bool wasOpen = m_helpWindow && m_helpWindow->isVisible();
        RetireHelpWindow();
        m_help = HelpMaker::MakeSource(Language::HelpFile());
        if (wasOpen && m_help->IsOpen())
            OpenHelpWindow().ShowContents();
    }
    if (m_whatsThisGiven)
        HelpTopics::ApplyWhatsThis(&m_window, *m_help);
}

// A help made while its module could not be loaded is made again, so that a
// program mended while it runs shows its help without a restart.
HelpSource& HelpCommands::Help()
{
    if (!m_help || !HelpMaker::IsLoaded())
        m_help = HelpMaker::MakeSource(Language::HelpFile());
    return *m_help;
}

void HelpCommands::GiveWhatsThisTexts()
{
    if (m_whatsThisGiven)
        return;
    m_whatsThisGiven = true;
    HelpTopics::ApplyWhatsThis(&m_window, Help());
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
        OpenHelpWindow().ShowContentsAt(Help().TopicUrl(HelpTopics::TopicOf(controlName)).resolved(QUrl(href)));
}

void HelpCommands::EnterWhatsThisMode()
{
    if (!HelpAvailable())
        return;
    GiveWhatsThisTexts();
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
    std::shared_ptr<HelpSource> help(std::move(m_help));
    QObject::connect(m_helpWindow, &QObject::destroyed, [help] {});
    m_helpWindow->deleteLater();
    m_helpWindow = nullptr;
}

bool HelpCommands::HelpAvailable()
{
    HelpSource& help = Help();
    if (help.IsOpen())
        return true;
    if (help.FailedFile().isEmpty())
        MessageBox::Ok(help.Problem());
    else
        MessageBox::Ok(Language::LoadResString(rsHelpFileMissing) + help.FailedFile()
                       + Language::LoadResString(rsHelpFileUnusable));
    return false;
}

HelpView& HelpCommands::OpenHelpWindow()
{
    if (!m_helpWindow)
        m_helpWindow = HelpMaker::MakeView(Help(), &m_window);
    return *m_helpWindow;
}
