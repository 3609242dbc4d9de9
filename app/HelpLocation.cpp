#include "app/HelpLocation.h"

#include "app/ProgramFolders.h"

#include <QDir>
#include <QFile>
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
    return ProgramFolders::Of({}, QStringLiteral(LOAN_HELP_INSTALL_SUBDIR));
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

QString HelpLocation::CollectionOf(const QString& helpFile)
{
    return QFileInfo(helpFile).path() + QLatin1Char('/') + QFileInfo(helpFile).completeBaseName()
           + QStringLiteral(".qhc");
}

void HelpLocation::PutInPlace(const QString& helpFile)
{
    const QString collection = CollectionOf(helpFile);
    if (!QFileInfo(helpFile).isFile() || !QFileInfo(collection).isFile())
        return;
    const QString folder = CollectionFolder();
    if (QDir().mkpath(folder) && CopyIfChanged(helpFile, folder))
        CopyIfChanged(collection, folder);
}

bool HelpLocation::CopyIfChanged(const QString& file, const QString& folder)
{
    const QFileInfo source(file);
    const QFileInfo copy(folder + QLatin1Char('/') + source.fileName());
    if (copy.exists() && copy.size() == source.size() && copy.lastModified() >= source.lastModified())
        return true;
    QFile::remove(copy.filePath());
    return QFile::copy(file, copy.filePath());
}
