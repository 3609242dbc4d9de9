#include "app/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& TestFolder()
{
    static QString folder;
    return folder;
}

QStringList HelpFolders()
{
    if (!TestFolder().isEmpty())
        return {TestFolder()};
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {
        programFolder,
        QDir::cleanPath(programFolder + QStringLiteral("/../" LOAN_HELP_INSTALL_SUBDIR)),
    };
}

} // namespace

QString HelpLocation::Path(const QString& fileName)
{
    const QStringList folders = HelpFolders();
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(path))
            return path;
    }
    return folders.first() + QLatin1Char('/') + fileName;
}

QString HelpLocation::CollectionFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Zantic Brindlecoft/Loan/help");
}

void HelpLocation::SetFolder(const QString& folder)
{
    TestFolder() = folder;
}
