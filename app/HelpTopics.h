#pragma once

#include <QString>

class HelpSource;
class QWidget;

// Which help topic each control of the main window carries. A topic id is
// the name of the control it explains; a label carries its field's topic, a
// member of an indexed set the topic of its column, and the window's
// background the overview.
class HelpTopics
{
public:
    static QString TopicOf(const QString& controlName);
    // Gives every named control under window the text of its topic as its
    // What's-this text, from the help of the active language.
    static void ApplyWhatsThis(QWidget* window, HelpSource& help);
};
