#pragma once

#include <QObject>

class LoanForm;
class WindowServices;
class frmOptions;

// Tools > Options, also a click on the window's background: the options
// dialog, then the settings stored and applied to the window: the wallpaper,
// the number of rows shown at once and the unit of the terms.
class OptionsCommand : public QObject
{
    Q_OBJECT

public:
    OptionsCommand(WindowServices& services, LoanForm& form);

    // The dialog, open and modal; what follows its closing runs when it
    // closes. Nothing opens while a field refuses what it holds.
    frmOptions* Run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Closed(const QString& wallpaperBefore, bool accepted);
    void ShowTerms();

    WindowServices& m_services;
    LoanForm& m_form;
    QWidget* m_background;
    bool m_backgroundPressed = false;
};
