#include "app/QtTranslation.h"

#include "langlib/Resources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The primary language of a Windows language id, as the libraries give it.
constexpr qint32 PrimaryLanguageMask = 0x3FF;
constexpr qint32 SpanishPrimary = 0x0A;

// The one installed, while the Spanish library is bound.
QTranslator*& Installed()
{
    static QTranslator* translator = nullptr;
    return translator;
}

bool IsSpanish(ResourcesInterface* library)
{
    qint32 id = 0;
    QString name;
    library->GetInfo(id, name);
    return (id & PrimaryLanguageMask) == SpanishPrimary;
}

void Remove()
{
    QTranslator*& installed = Installed();
    if (!installed)
        return;
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
}

} // namespace

// Without Qt's translation files the program goes on with Qt's English.
void QtTranslation::Follow(ResourcesInterface* library)
{
    Remove();
    if (!library || !QCoreApplication::instance() || !IsSpanish(library))
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    Installed() = translator;
}
