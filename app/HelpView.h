#pragma once

#include <QWidget>

// The help window as the main window drives it; frmHelp, in the help
// module, is the one kind.
class HelpView : public QWidget
{
public:
    using QWidget::QWidget;

    // Opens at the contents, showing the first page.
    virtual void ShowContents() = 0;
    // Opens at the contents, showing that page of the help.
    virtual void ShowContentsAt(const QUrl& page) = 0;
    // Opens at the search page with an empty search field that has the
    // focus.
    virtual void ShowSearch() = 0;
};
