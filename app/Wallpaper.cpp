#include "app/Wallpaper.h"

#include "langlib/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRect>

#include <utility>

namespace {

int ReaderError(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return Wallpaper::FileNotFound;
    case QImageReader::DeviceError:
        return Wallpaper::PathFileAccessError;
    case QImageReader::UnsupportedFormatError:
    case QImageReader::InvalidDataError:
        return Wallpaper::InvalidPicture;
    case QImageReader::UnknownError:
        break;
    }
    return Wallpaper::UnexpectedError;
}

// A number the way the error message has always shown it: a blank where a
// minus sign would stand.
QString SignedNumber(int number)
{
    return (number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(number);
}

} // namespace

int Wallpaper::Load(const QString& fileName)
{
    Clear();
    if (fileName.isEmpty())
        return NoError;
    const QFileInfo info(fileName);
    if (!info.exists())
        return FileNotFound;
    // The reader is handed an open file rather than the name, so that it
    // neither tries the name with picture suffixes added nor hides why the
    // file could not be opened.
    QFile file(fileName);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return PathFileAccessError;
    QImageReader reader(&file);
    // A picture is a picture whatever its name ends with.
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return ReaderError(reader.error());
    m_picture = std::move(picture);
    return NoError;
}

void Wallpaper::Tile(QPainter& painter, const QRect& area) const
{
    if (IsEmpty())
        return;
    for (int x = 0; x <= area.right(); x += m_picture.width()) {
        for (int y = 0; y <= area.bottom(); y += m_picture.height()) {
            const QRect copy(QPoint(x, y), m_picture.size());
            if (copy.intersects(area))
                painter.drawImage(copy.topLeft(), m_picture);
        }
    }
}

QString Wallpaper::FailureText(int error, const QString& fileName,
                               const std::function<QString(int)>& text)
{
    switch (error) {
    case FileNotFound:
    case PathFileAccessError:
        return text(rsWallpaperFile) + fileName + text(rsWFNotFound);
    case InvalidPicture:
        return text(rsFileNV) + fileName + text(rsFileNotValidWP);
    default:
        return text(rsErrOWF) + SignedNumber(error) + text(rsErrOpeningWallpaperFile);
    }
}
