#include "langlib/ResourcesPlugin.h"

#include "langlib/LanguageTable.h"
#include "langlib/PictureField.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

// One image of the flag: the flag in 3:2 proportions across the full width,
// centred, on a transparent square.
QPixmap FlagImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int height = (size * 2 + 1) / 3;
    QPainter painter(&image);
    LanguageTable::PaintFlag(painter, QRect(0, (size - height) / 2, size, height));
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon FlagIcon()
{
    QIcon icon;
    icon.addPixmap(FlagImage(32));
    icon.addPixmap(FlagImage(16));
    return icon;
}

}

Resources::Resources() = default;

Resources::~Resources() = default;

QVariant Resources::GetInfo(qint32& LanguageID, QString& Language)
{
    LanguageID = LanguageTable::Id();
    Language = LanguageTable::Name();
    return {};
}

QString Resources::LoadResString(ResStringID ID)
{
    return LanguageTable::Text(ID);
}

QIcon Resources::LoadResPicture(ResPictureID ID, qint32*)
{
    if (ID != rpFlag)
        return {};
    return FlagField()->Picture();
}

QVariant Resources::LoadResData(ResDataID, qint32*)
{
    return {};
}

PictureField* Resources::FlagField()
{
    if (!m_pictureWindow) {
        m_pictureWindow = std::make_unique<QWidget>();
        m_imgFlag = new PictureField(m_pictureWindow.get());
        m_imgFlag->setObjectName(QStringLiteral("imgFlag"));
        m_imgFlag->SetPicture(FlagIcon());
    }
    return m_imgFlag;
}
