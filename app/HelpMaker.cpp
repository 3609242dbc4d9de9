#include "app/HelpMaker.h"

#include "app/HelpSource.h"
#include "app/Language.h"
#include "app/ProgramModule.h"
#include "langlib/ResourceIds.h"

namespace {

HelpMaker::SourceMaker RegisteredSource = nullptr;
HelpMaker::ViewMaker RegisteredView = nullptr;

// Stands for the help when the module that reads it cannot be loaded.
class UnloadedHelp : public HelpSource
{
public:
    UnloadedHelp(const QString& helpFile, const QString& problem)
        : m_helpFile(helpFile)
        , m_problem(problem)
    {
    }

    QString HelpFile() const override { return m_helpFile; }
    bool IsOpen() const override { return false; }
    QString FailedFile() const override { return {}; }
    QString Problem() const override { return m_problem; }
    QString TopicText(const QString&) override { return {}; }
    QUrl TopicUrl(const QString&) const override { return {}; }

private:
    QString m_helpFile;
    QString m_problem;
};

} // namespace

void HelpMaker::Register(SourceMaker source, ViewMaker view)
{
    RegisteredSource = source;
    RegisteredView = view;
}

bool HelpMaker::IsLoaded()
{
    return RegisteredSource != nullptr;
}

std::unique_ptr<HelpSource> HelpMaker::MakeSource(const QString& helpFile)
{
    QString error;
    if (!RegisteredSource && !ProgramModule::Load(QStringLiteral("LoanHelp"), &error))
        return std::make_unique<UnloadedHelp>(helpFile, Language::LoadResString(rsModuleNotLoaded).arg(error));
    return RegisteredSource(helpFile);
}

HelpView* HelpMaker::MakeView(HelpSource& help, QWidget* owner)
{
    return RegisteredView(help, owner);
}
