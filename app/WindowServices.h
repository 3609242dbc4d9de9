#pragma once

class QWidget;
class Settings;

// What the commands of the main window ask of the window itself, beyond its
// controls (LoanForm) and its scenario (LoanDocument): the commands know the
// window only through this, so that none of them depends on the window class.
class WindowServices
{
public:
    // The main window: parent of the dialogs and windows the commands open.
    virtual QWidget& Window() = 0;
    // Takes in what the focused field holds, as leaving it would; false when
    // the field refused it.
    virtual bool CommitPendingEdit() = 0;

    // The settings in memory for the whole run.
    virtual Settings& ProgramSettings() = 0;
    // Stores the settings in memory, reporting a failure.
    virtual void StoreSettings() = 0;

    // Every caption and tooltip of the window from the bound language library.
    virtual void ApplyLanguageTexts() = 0;
    // Loads and tiles the wallpaper of the settings.
    virtual void LoadWallpaper() = 0;
    // Sizes the grid and the window anew for the rows the settings show.
    virtual void RelayoutGrid() = 0;
    // Writes the term of the quote row d shows, in the unit of the settings.
    virtual void ShowTerm(int d) = 0;

protected:
    ~WindowServices() = default;
};
