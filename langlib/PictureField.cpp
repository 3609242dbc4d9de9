#include "langlib/PictureField.h"

PictureField::PictureField(QWidget* parent)
    : QLabel(parent)
{
}

QIcon PictureField::Picture() const
{
    return m_picture;
}

void PictureField::SetPicture(const QIcon& picture)
{
    m_picture = picture;
    const QList<QSize> sizes = picture.availableSizes();
    setPixmap(sizes.isEmpty() ? QPixmap() : picture.pixmap(sizes.first()));
}
