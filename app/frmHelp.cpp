#include "app/frmHelp.h"

#include "app/AccessibleNames.h"
#include "app/HelpBrowser.h"
#include "app/HelpLibrary.h"
#include "app/HelpMaker.h"
#include "app/Language.h"
#include "app/ScreenFit.h"
#include "langlib/Resources.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The window's place and size, in 1024ths of the screen.
constexpr int PlaceLeft = 400;
constexpr int PlaceTop = 400;
constexpr int PlaceWidth = 620;
constexpr int PlaceHeight = 620;
constexpr int ScreenUnits = 1024;

// The overview page carries the topic of the main window itself.
const QString OverviewTopic = QStringLiteral("Loan");

QString Res(int id)
{
    return Language::LoadResString(id);
}

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmHelp::frmHelp(HelpLibrary& library, QWidget* owner)
    : HelpView(owner, Qt::Window)
    , m_library(library)
{
    setObjectName(QStringLiteral("frmHelp"));
    QHelpEngine* engine = library.Engine();
    tabHelp = Named(new QTabWidget, "tabHelp");
    tabHelp->addTab(NewContentsPage(), QString());
    tabHelp->addTab(NewIndexPage(), QString());
    tabHelp->addTab(NewSearchPage(), QString());
    // The pane is never narrower than its tabs' whole captions.
    tabHelp->tabBar()->setElideMode(Qt::ElideNone);
    tabHelp->setUsesScrollButtons(false);
    txtTopic = Named(new HelpBrowser(*engine, this), "txtTopic");

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabHelp);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    QHelpSearchEngine* search = engine->searchEngine();
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_indexReady = true;
        if (!m_pendingSearch.isEmpty())
            Search();
    });
    connect(search, &QHelpSearchEngine::searchingFinished, this, &frmHelp::ShowResults);
    search->scheduleIndexDocumentation();
    ApplyLanguageTexts();
}

QWidget* frmHelp::NewContentsPage()
{
    tvwContents = Named(new QTreeView, "tvwContents");
    tvwContents->setHeaderHidden(true);
    tvwContents->setModel(m_library.Engine()->contentModel());
    connect(tvwContents, &QTreeView::activated, this, &frmHelp::ContentChosen);
    connect(tvwContents, &QTreeView::clicked, this, &frmHelp::ContentChosen);
    connect(m_library.Engine()->contentModel(), &QHelpContentModel::contentsCreated, tvwContents,
            &QTreeView::expandAll);
    return tvwContents;
}

QWidget* frmHelp::NewIndexPage()
{
    auto* page = new QWidget;
    txtIndex = Named(new QLineEdit, "txtIndex");
    lstIndex = Named(new QListView, "lstIndex");
    lstIndex->setModel(m_library.Engine()->indexModel());
    lstIndex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(txtIndex, &QLineEdit::textChanged, this, &frmHelp::IndexFilterChanged);
    connect(txtIndex, &QLineEdit::returnPressed, this, [this] { IndexChosen(lstIndex->currentIndex()); });
    connect(lstIndex, &QListView::activated, this, &frmHelp::IndexChosen);
    connect(lstIndex, &QListView::clicked, this, &frmHelp::IndexChosen);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(txtIndex);
    layout->addWidget(lstIndex);
    return page;
}

QWidget* frmHelp::NewSearchPage()
{
    auto* page = new QWidget;
    lblSearch = Named(new QLabel, "lblSearch");
    txtSearch = Named(new QLineEdit, "txtSearch");
    lblSearch->setBuddy(txtSearch);
    cmdSearch = Named(new QPushButton, "cmdSearch");
    lblResults = Named(new QLabel, "lblResults");
    lblResults->setWordWrap(true);
    lstResults = Named(new QListWidget, "lstResults");
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmHelp::Search);
    connect(cmdSearch, &QPushButton::clicked, this, &frmHelp::Search);
    connect(lstResults, &QListWidget::itemActivated, this, &frmHelp::ResultChosen);
    connect(lstResults, &QListWidget::itemClicked, this, &frmHelp::ResultChosen);
    auto* layout = new QGridLayout(page);
    layout->addWidget(lblSearch, 0, 0, 1, 2);
    layout->addWidget(txtSearch, 1, 0);
    layout->addWidget(cmdSearch, 1, 1);
    layout->addWidget(lblResults, 2, 0, 1, 2);
    layout->addWidget(lstResults, 3, 0, 1, 2);
    return page;
}

void frmHelp::ApplyLanguageTexts()
{
    setWindowTitle(Res(rsHelpCaption));
    tabHelp->setTabText(0, Res(rsHelpContentsTab));
    tabHelp->setTabText(1, Res(rsHelpIndexTab));
    tabHelp->setTabText(2, Res(rsHelpSearchTab));
    txtIndex->setPlaceholderText(Res(rsHelpIndexFilter));
    lblSearch->setText(Res(rsHelpLookFor));
    cmdSearch->setText(Res(rsHelpFind));
    ApplyNames();
}

// What a screen reader says of the lists, fields and the topic, from the
// captions just shown.
void frmHelp::ApplyNames()
{
    AccessibleNames::Set(tvwContents, AccessibleNames::FromCaption(tabHelp->tabText(0)));
    AccessibleNames::Set(txtIndex, AccessibleNames::FromCaption(tabHelp->tabText(1)), Res(rsHelpIndexFilter));
    AccessibleNames::Set(lstIndex, Res(rsNameHelpIndexList));
    AccessibleNames::Set(txtSearch, AccessibleNames::FromCaption(lblSearch->text()));
    AccessibleNames::Set(lstResults, Res(rsNameHelpResults));
    AccessibleNames::Set(txtTopic, Res(rsNameHelpTopic));
}

void frmHelp::ShowContents()
{
    ShowContentsAt(m_library.TopicUrl(OverviewTopic).adjusted(QUrl::RemoveFragment));
}

void frmHelp::ShowContentsAt(const QUrl& page)
{
    tabHelp->setCurrentIndex(0);
    ShowPage(page);
    Present();
}

void frmHelp::ShowSearch()
{
    tabHelp->setCurrentIndex(2);
    txtSearch->clear();
    Present();
    txtSearch->setFocus(Qt::OtherFocusReason);
}

void frmHelp::Present()
{
    Place();
    show();
    raise();
    activateWindow();
}

void frmHelp::Place()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QRect wanted(area.x() + area.width() * PlaceLeft / ScreenUnits,
                       area.y() + area.height() * PlaceTop / ScreenUnits, area.width() * PlaceWidth / ScreenUnits,
                       area.height() * PlaceHeight / ScreenUnits);
    setGeometry(ScreenFit::Inside(wanted, screen->availableGeometry(), ScreenFit::FrameOf(*this)));
}

void frmHelp::ShowPage(const QUrl& url)
{
    if (url.isValid() && !url.isEmpty())
        txtTopic->setSource(url);
}

void frmHelp::ContentChosen(const QModelIndex& index)
{
    if (QHelpContentItem* item = m_library.Engine()->contentModel()->contentItemAt(index))
        ShowPage(item->url());
}

void frmHelp::IndexFilterChanged(const QString& text)
{
    const QModelIndex first = m_library.Engine()->indexModel()->filter(text);
    if (first.isValid())
        lstIndex->setCurrentIndex(first);
}

void frmHelp::IndexChosen(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QList<QHelpLink> links = m_library.Engine()->documentsForKeyword(index.data().toString());
    if (!links.isEmpty())
        ShowPage(links.first().url);
}

// The search runs once the index is up to date; a search for nothing finds
// nothing without asking the engine.
void frmHelp::Search()
{
    lstResults->clear();
    lblResults->clear();
    const QString words = txtSearch->text().simplified();
    m_pendingSearch.clear();
    if (words.isEmpty())
        return;
    if (!m_indexReady) {
        m_pendingSearch = words;
        return;
    }
    m_library.Engine()->searchEngine()->search(words);
}

void frmHelp::ShowResults(int count)
{
    lstResults->clear();
    const QList<QHelpSearchResult> results = m_library.Engine()->searchEngine()->searchResults(0, count);
    for (const QHelpSearchResult& result : results) {
        auto* item = new QListWidgetItem(result.title(), lstResults);
        item->setData(Qt::UserRole, result.url());
        item->setToolTip(result.snippet());
    }
    lblResults->setText(results.isEmpty() ? Res(rsHelpNothingFound) : QString());
}

void frmHelp::ResultChosen()
{
    if (QListWidgetItem* item = lstResults->currentItem())
        ShowPage(item->data(Qt::UserRole).toUrl());
}

namespace {

std::unique_ptr<HelpSource> MakeHelp(const QString& helpFile)
{
    return std::make_unique<HelpLibrary>(helpFile);
}

// Only this module makes help, so the help a window is asked for is a
// library of this module.
HelpView* MakeHelpWindow(HelpSource& help, QWidget* owner)
{
    return new frmHelp(static_cast<HelpLibrary&>(help), owner);
}

// Loaded as a module, or linked in, the help makes itself known to the
// program before anything asks for it.
const bool Registered = (HelpMaker::Register(&MakeHelp, &MakeHelpWindow), true);

} // namespace
