#pragma once

#include <QString>

#include <memory>

class HelpSource;
class HelpView;
class QWidget;

// Makes the help and its window, which live in the module that links Qt
// Help: the module registers its makers when it is loaded, and the first
// help asked for loads it.
class HelpMaker
{
public:
    using SourceMaker = std::unique_ptr<HelpSource> (*)(const QString& helpFile);
    using ViewMaker = HelpView* (*)(HelpSource& help, QWidget* owner);

    static void Register(SourceMaker source, ViewMaker view);
    // Whether the module is loaded. Until it is, every help made is the
    // closed stand-in, and making one again tries the module again.
    static bool IsLoaded();
    // The help of that file. When the module cannot be loaded, a help that
    // stays closed and says why as its problem.
    static std::unique_ptr<HelpSource> MakeSource(const QString& helpFile);
    // The window of an open help, which only the module makes.
    static HelpView* MakeView(HelpSource& help, QWidget* owner);
};
