#include "app/HelpLibrary.h"

#include "app/HelpLocation.h"
#include "app/Language.h"
#include "langlib/Resources.h"

#include <QDir>
#include <QFile>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>

namespace {

constexpr int ReadersWait = 5000;

} // namespace

HelpLibrary::HelpLibrary(const QString& helpFile)
    : m_helpFile(QFileInfo(helpFile).absoluteFilePath())
{
    if (!Open())
        m_topics.reset();
}

// The help window's engine reads its contents and index in threads of its
// own; it must not go while they still run.
HelpLibrary::~HelpLibrary()
{
    if (!m_engine)
        return;
    QDeadlineTimer deadline(ReadersWait);
    while ((m_engine->contentModel()->isCreatingContents() || m_engine->indexModel()->isCreatingIndex())
           && !deadline.hasExpired())
        QThread::msleep(10);
}

QString HelpLibrary::HelpFile() const { return m_helpFile; }
QString HelpLibrary::FailedFile() const { return m_failedFile; }
bool HelpLibrary::IsOpen() const { return m_topics != nullptr; }
QString HelpLibrary::Problem() const { return m_problem; }

QHelpEngine* HelpLibrary::Engine()
{
    if (!m_engine && m_topics) {
        m_engine = std::make_unique<QHelpEngine>(m_topics->collectionFile());
        m_engine->setupData();
    }
    return m_engine.get();
}

// The files are checked before the engine sees them: asked about a file
// that is not there, the engine would create an empty one.
bool HelpLibrary::Open()
{
    const QString collection = HelpLocation::CollectionOf(m_helpFile);
    if (!IsHelpFile(m_helpFile) || !IsHelpFile(collection)) {
        m_failedFile = IsHelpFile(m_helpFile) ? collection : m_helpFile;
        return false;
    }
    const QString folder = HelpLocation::CollectionFolder();
    const QString copy = folder + QLatin1Char('/') + QFileInfo(collection).fileName();
    if (!QDir().mkpath(folder) || !HelpLocation::CopyIfChanged(m_helpFile, folder) || !HelpLocation::CopyIfChanged(collection, folder)) {
        m_problem = Language::LoadResString(rsHelpFolderUnwritable) + folder;
        return false;
    }
    m_topics = std::make_unique<QHelpEngineCore>(copy);
    m_topics->setReadOnly(true);
    if (!m_topics->setupData()) {
        m_problem = m_topics->error();
        return false;
    }
    return true;
}

// A help file or collection is an SQLite file the engine can name a
// namespace or a registration from; an empty file is neither.
bool HelpLibrary::IsHelpFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile() || file.size() == 0)
        return false;
    if (path.endsWith(QLatin1String(".qch")))
        return !QHelpEngineCore::namespaceName(path).isEmpty();
    QHelpEngineCore collection(path);
    collection.setReadOnly(true);
    return collection.setupData() && !collection.registeredDocumentations().isEmpty();
}

QUrl HelpLibrary::TopicUrl(const QString& topic) const
{
    if (!m_topics)
        return {};
    const QList<QHelpLink> links = m_topics->documentsForIdentifier(topic);
    return links.isEmpty() ? QUrl() : links.first().url;
}

// A topic is the block <div class="topic" id="..."> of its page; blocks do
// not nest.
QString HelpLibrary::TopicText(const QString& topic)
{
    const QUrl url = TopicUrl(topic);
    if (url.isEmpty())
        return {};
    const QString page = PageText(url.adjusted(QUrl::RemoveFragment));
    const QRegularExpression block(QStringLiteral("<div class=\"topic\" id=\"%1\">(.*?)</div>")
                                       .arg(QRegularExpression::escape(url.fragment())),
                                   QRegularExpression::DotMatchesEverythingOption);
    return block.match(page).captured(1).trimmed();
}

QString HelpLibrary::PageText(const QUrl& page)
{
    const QString key = page.toString();
    auto found = m_pages.constFind(key);
    if (found == m_pages.constEnd())
        found = m_pages.insert(key, QString::fromUtf8(m_topics->fileData(page)));
    return *found;
}
