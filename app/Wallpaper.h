#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QPainter;
class QRect;

// The picture the user chose to tile behind the main window, with the error
// numbers its loading reports so the window can tell the user what went wrong.
class Wallpaper
{
public:
    static constexpr int NoError = 0;
    static constexpr int FileNotFound = 53;
    static constexpr int PathFileAccessError = 75;
    static constexpr int InvalidPicture = 481;
    // The picture reader failed without saying why.
    static constexpr int UnexpectedError = 51;

    // Loads the picture of the file and gives NoError or one of the error
    // numbers above; a failed load leaves no picture. An empty name is no
    // wallpaper at all and no error.
    int Load(const QString& fileName);
    void Clear() { m_picture = QImage(); }

    bool IsEmpty() const { return m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }

    // Paints copies of the picture edge to edge from (0, 0), column by column
    // and top to bottom, until every point of area is covered. Copies that do
    // not touch area are skipped; nothing is painted without a picture.
    void Tile(QPainter& painter, const QRect& area) const;

    // The message for a failed load, put together from the texts of the
    // active language by string id.
    static QString FailureText(int error, const QString& fileName,
                               const std::function<QString(int)>& text);

private:
    QImage m_picture;
};
