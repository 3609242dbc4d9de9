#pragma once

#include "app/HelpSource.h"

#include <QHash>
#include <QString>

#include <memory>

class QHelpEngine;
class QHelpEngineCore;

// One language's help: its compiled help file and the collection that
// registers it, used from a copy in the user's cache folder where the help
// engine also keeps its search index. A file that is missing, empty or not a
// help file leaves the library closed, and FailedFile() names it.
class HelpLibrary : public HelpSource
{
public:
    explicit HelpLibrary(const QString& helpFile);
    ~HelpLibrary() override;

    QString HelpFile() const override;
    bool IsOpen() const override;
    // The help file or collection that is missing or damaged; empty while
    // open.
    QString FailedFile() const override;
    // Why sound files could not be used (the cache folder cannot be
    // written, the engine failed); empty otherwise.
    QString Problem() const override;
    // The engine of the help window, with contents, index and search, made
    // when first asked for; null while closed.
    QHelpEngine* Engine();

    // The text of one control's topic (its What's-this text), as rich text;
    // empty when the help has no such topic.
    QString TopicText(const QString& topic) override;
    // The page of the first topic of that id, with its anchor.
    QUrl TopicUrl(const QString& topic) const override;

private:
    bool Open();
    static bool IsHelpFile(const QString& path);
    QString PageText(const QUrl& page);

    QString m_helpFile;
    QString m_failedFile;
    QString m_problem;
    // Reads the controls' topics, without the threads of the full engine.
    std::unique_ptr<QHelpEngineCore> m_topics;
    std::unique_ptr<QHelpEngine> m_engine;
    QHash<QString, QString> m_pages;
};
