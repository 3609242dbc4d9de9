#include "app/Language.h"

#include "app/HelpLocation.h"
#include "app/LanguageLibrary.h"
#include "app/MessageBox.h"
#include "app/QtTranslation.h"

#include <QCoreApplication>

namespace {

const QString DefaultClass = QLatin1String(Language::EnglishClass);
const QString DefaultHelpFile = QStringLiteral("tessaly.qch");

// The help goes with the library that gives the window its texts, so a
// Spanish window never opens English help, not even in the first run after
// an automatic choice of Spanish.
QString HelpFileOf(const QString& className)
{
    if (className == QLatin1String(Language::SpanishClass))
        return QStringLiteral("morvane.qch");
    return DefaultHelpFile;
}

struct State
{
    qint16 number = 0;
    ResourcesInterface* bound = nullptr;
    // Set once the default library has failed, so the user hears of it once.
    bool defaultMissing = false;
    QString helpFile = DefaultHelpFile;
    Language::Factory factory = CreateLanguageObject;
};

State& Current()
{
    static State state;
    return state;
}

// Without its default library the program has no texts; say so in the only
// language there is then, and go on with empty texts.
void BindDefault()
{
    if (Current().defaultMissing)
        return;
    QString error;
    if (!Language::Bind(DefaultClass, &error))
        MessageBox::Ok(error);
}

} // namespace

qint16 Language::Number()
{
    return Current().number;
}

void Language::SetNumber(qint16 number)
{
    Current().number = number;
}

QString Language::LoadResString(int id)
{
    if (!Current().bound)
        BindDefault();
    ResourcesInterface* bound = Current().bound;
    return bound ? bound->LoadResString(static_cast<ResStringID>(id)) : QString();
}

bool Language::Bind(const QString& className, QString* error)
{
    ResourcesInterface* created = Current().factory(className, error);
    if (!created) {
        if (className == DefaultClass)
            Current().defaultMissing = true;
        return false;
    }
    Current().bound = created;
    QtTranslation::Follow(created);
    Current().helpFile = HelpFileOf(className);
    return true;
}

QString Language::HelpFile()
{
    return HelpLocation::Path(Current().helpFile);
}

QString Language::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

void Language::SetFactory(Factory factory)
{
    Current().factory = std::move(factory);
}

void Language::Reset()
{
    Current() = State();
    QtTranslation::Follow(nullptr);
}
