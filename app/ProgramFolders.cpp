#include "app/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>

QStringList ProgramFolders::Of(const QString& besideProgram, const QString& installed)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {
        QDir::cleanPath(programFolder + QLatin1Char('/') + besideProgram),
        QDir::cleanPath(programFolder + QStringLiteral("/../") + installed),
    };
}
