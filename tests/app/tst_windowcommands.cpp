// The window's commands put together on a plain window that offers their
// services: they ask it before they act and open their windows over it,
// knowing nothing of the program's own window class.

#include "app/LoanForm.h"
#include "app/WindowCommands.h"
#include "app/WindowServices.h"
#include "dialogs/frmCosts.h"
#include "dialogs/frmOptions.h"
#include "model/LoanDocument.h"
#include "store/Settings.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QTest>

namespace {

class RecordingServices : public WindowServices
{
public:
    explicit RecordingServices(QMainWindow& window)
        : m_window(window)
    {
    }

    QWidget& Window() override { return m_window; }
    bool CommitPendingEdit() override
    {
        ++commits;
        return editAccepted;
    }
    Settings& ProgramSettings() override { return settings; }
    void StoreSettings() override { ++stores; }
    void ApplyLanguageTexts() override { ++textsApplied; }
    void LoadWallpaper() override {}
    void RelayoutGrid() override { ++relayouts; }
    void ShowTerm(int) override {}

    bool editAccepted = true;
    int commits = 0;
    int stores = 0;
    int textsApplied = 0;
    int relayouts = 0;
    Settings settings;

private:
    QMainWindow& m_window;
};

} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusedEditKeepsEveryCommandFromActing();
    void costsAndOptionsOpenOverTheWindow();

private:
    QAction* Command(const char* name) const { return m_window->findChild<QAction*>(QLatin1String(name)); }

    std::unique_ptr<QMainWindow> m_window;
    std::unique_ptr<LoanForm> m_form;
    std::unique_ptr<LoanDocument> m_document;
    std::unique_ptr<RecordingServices> m_services;
    std::unique_ptr<WindowCommands> m_commands;
};

void TestWindowCommands::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_form = std::make_unique<LoanForm>();
    m_form->SetupForm(m_window.get());
    m_document = std::make_unique<LoanDocument>([](int) { return QStringLiteral("text"); }, [] { return 46112.0; });
    m_services = std::make_unique<RecordingServices>(*m_window);
    m_commands = std::make_unique<WindowCommands>(*m_services, *m_form, *m_document);
    m_window->show();
}

// The commands that are the window's children go with it, before the
// document and the services they use.
void TestWindowCommands::cleanup()
{
    m_commands.reset();
    m_window.reset();
    m_services.reset();
    m_document.reset();
    m_form.reset();
}

// A field that holds what it cannot take keeps the user where they are: no
// dialog, no window, no file chooser.
void TestWindowCommands::refusedEditKeepsEveryCommandFromActing()
{
    m_services->editAccepted = false;
    for (const char* name : {"mnuToolsOptions", "mnuToolsCosts", "mnuFilePrint", "mnuFileExportPdf"}) {
        QAction* command = Command(name);
        QVERIFY2(command, name);
        command->trigger();
    }
    QCOMPARE(m_services->commits, 4);
    QVERIFY(m_window->findChildren<QDialog*>().isEmpty());
    QCOMPARE(m_services->stores, 0);
}

void TestWindowCommands::costsAndOptionsOpenOverTheWindow()
{
    Command("mnuToolsCosts")->trigger();
    auto* costs = m_window->findChild<frmCosts*>();
    QVERIFY(costs);
    QCOMPARE(costs->parentWidget(), m_window.get());
    QVERIFY(costs->isVisible());
    costs->close();

    Command("mnuToolsOptions")->trigger();
    auto* options = m_window->findChild<frmOptions*>();
    QVERIFY(options);
    QCOMPARE(options->parentWidget(), m_window.get());
    options->reject();
    // Closing stores the settings and lays the grid out for them; only an
    // accepted dialog changes the texts.
    QCOMPARE(m_services->stores, 1);
    QCOMPARE(m_services->relayouts, 1);
    QCOMPARE(m_services->textsApplied, 0);
    QCOMPARE(m_services->commits, 2);
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
