#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QHelpEngine;
class QHelpEngineCore;
class QUrl;

// One language's help: its compiled help file and the collection that
// registers it, used from a copy in the user's cache folder where the help
// engine also keeps its search index. A file that is missing, empty or not a
// help file leaves the library closed, and FailedFile() names it.
class HelpLibrary
{
public:
    explicit HelpLibrary(const QString& helpFile);
    ~HelpLibrary();

    // Copies the help file and its collection into the cache folder, where a
    // library of them is used from, without opening either: cheap enough for
    // the start, so that first use finds them in place. A failure is left
    // for the library's own opening to report.
    static void PutInPlace(const QString& helpFile);

    QString HelpFile() const;
    bool IsOpen() const;
    // The help file or collection that is missing or damaged; empty while
    // open.
    QString FailedFile() const;
    // Why sound files could not be used (the cache folder cannot be
    // written, the engine failed); empty otherwise.
    QString Problem() const;
    // The engine of the help window, with contents, index and search, made
    // when first asked for; null while closed.
    QHelpEngine* Engine();

    // The text of one control's topic (its What's-this text), as rich text;
    // empty when the help has no such topic.
    QString TopicText(const QString& topic);
    // The page of the first topic of that id, with its anchor.
    QUrl TopicUrl(const QString& topic) const;

private:
    bool Open();
    static bool IsHelpFile(const QString& path);
    static bool CopyIfChanged(const QString& file, const QString& folder);
    static QString CollectionOf(const QString& helpFile);
    QString PageText(const QUrl& page);

    QString m_helpFile;
    QString m_failedFile;
    QString m_problem;
    // Reads the controls' topics, without the threads of the full engine.
    std::unique_ptr<QHelpEngineCore> m_topics;
    std::unique_ptr<QHelpEngine> m_engine;
    QHash<QString, QString> m_pages;
};
