#pragma once

#include <QString>
#include <QUrl>

// One language's help as the main window uses it: its state and the topics
// of the controls. HelpLibrary, in the help module, is the one kind; the
// program reaches it through HelpMaker.
class HelpSource
{
public:
    virtual ~HelpSource() = default;

    virtual QString HelpFile() const = 0;
    virtual bool IsOpen() const = 0;
    // The help file or collection that is missing or damaged; empty while
    // open.
    virtual QString FailedFile() const = 0;
    // Why sound files could not be used; empty otherwise.
    virtual QString Problem() const = 0;
    // The text of one control's topic (its What's-this text), as rich text;
    // empty when the help has no such topic.
    virtual QString TopicText(const QString& topic) = 0;
    // The page of the first topic of that id, with its anchor.
    virtual QUrl TopicUrl(const QString& topic) const = 0;
};
