#include "app/ProgramModule.h"

#include "app/ProgramFolders.h"

#include <QFileInfo>
#include <QLibrary>

namespace {

QString& TestFolder()
{
    static QString folder;
    return folder;
}

QStringList ModuleFolders()
{
    if (!TestFolder().isEmpty())
        return {TestFolder()};
    return ProgramFolders::Of(QStringLiteral(LOAN_MODULE_SUBDIR), QStringLiteral(LOAN_MODULE_INSTALL_SUBDIR));
}

} // namespace

bool ProgramModule::Load(const QString& name, QString* error)
{
    const QString fileName = QStringLiteral("lib%1.so").arg(name);
    const QStringList folders = ModuleFolders();
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (module.load())
            return true;
        *error = module.errorString();
        return false;
    }
    *error = QStringLiteral("%1 was not found in %2.").arg(fileName, folders.join(QStringLiteral(", ")));
    return false;
}

void ProgramModule::SetFolder(const QString& folder)
{
    TestFolder() = folder;
}
