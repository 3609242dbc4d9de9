#include "app/LanguageLibrary.h"

#include "app/ProgramFolders.h"

#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

namespace {

QStringList PluginFolders()
{
    return ProgramFolders::Of(QStringLiteral(LOAN_PLUGIN_SUBDIR), QStringLiteral(LOAN_PLUGIN_INSTALL_SUBDIR));
}

bool NamesClass(const QPluginLoader& plugin, const QString& className)
{
    const QJsonObject metaData = plugin.metaData();
    return metaData.value(QStringLiteral("IID")).toString() == QLatin1String(ResourcesInterface_iid)
        && metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("ClassName")).toString() == className;
}

// The plugin files are only inspected here, not loaded: Qt reads the
// metadata straight from the file.
QString FindPlugin(const QString& className, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            const QString path = dir.absoluteFilePath(name);
            if (QLibrary::isLibrary(path) && NamesClass(QPluginLoader(path), className))
                return path;
        }
    }
    return {};
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

}

ResourcesInterface* CreateLanguageObject(const QString& className, QString* error)
{
    SetError(error, {});
    const QStringList folders = PluginFolders();
    const QString path = FindPlugin(className, folders);
    if (path.isEmpty()) {
        SetError(error, QStringLiteral("The language library %1 was not found in %2.")
                            .arg(className, folders.join(QStringLiteral(", "))));
        return nullptr;
    }
    QPluginLoader plugin(path);
    auto* resources = qobject_cast<ResourcesInterface*>(plugin.instance());
    if (!resources)
        SetError(error, QStringLiteral("The language library %1 (%2) could not be loaded: %3")
                            .arg(className, path, plugin.errorString()));
    return resources;
}
