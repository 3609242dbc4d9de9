#pragma once

#include "app/HelpView.h"

class HelpBrowser;
class HelpLibrary;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTreeView;

// The program's help window: contents, index and full-text search of one
// language's help beside the topic they lead to. Modeless; it opens at the
// same place and size every time.
class frmHelp : public HelpView
{
    Q_OBJECT

public:
    frmHelp(HelpLibrary& library, QWidget* owner);

    // Opens at the contents, showing the first page.
    void ShowContents() override;
    // Opens at the contents, showing that page of the help.
    void ShowContentsAt(const QUrl& page) override;
    // Opens at the search page with an empty search field that has the
    // focus.
    void ShowSearch() override;

    QTabWidget* tabHelp = nullptr;
    QTreeView* tvwContents = nullptr;
    QLineEdit* txtIndex = nullptr;
    QListView* lstIndex = nullptr;
    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblResults = nullptr;
    QListWidget* lstResults = nullptr;
    HelpBrowser* txtTopic = nullptr;

private:
    void ApplyLanguageTexts();
    void ApplyNames();
    QWidget* NewContentsPage();
    QWidget* NewIndexPage();
    QWidget* NewSearchPage();
    void Present();
    void Place();
    void ShowPage(const QUrl& url);
    void ContentChosen(const QModelIndex& index);
    void IndexFilterChanged(const QString& text);
    void IndexChosen(const QModelIndex& index);
    void Search();
    void ShowResults(int count);
    void ResultChosen();

    HelpLibrary& m_library;
    bool m_indexReady = false;
    // Asked for while the search index was being built.
    QString m_pendingSearch;
};
