#pragma once

#include "langlib/Resources.h"

#include <QObject>

#include <memory>

class PictureField;
class QWidget;

// The one creatable class of a language library. Both libraries build it from
// this source; the texts and the flag come from the library's LanguageTable,
// and its metadata from the "Resources.json" in the library's own folder,
// which moc finds through that library's include path.
class Resources : public QObject, public ResourcesInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ResourcesInterface_iid FILE "Resources.json")
    Q_INTERFACES(ResourcesInterface)

public:
    Resources();
    ~Resources() override;

    QVariant GetInfo(qint32& LanguageID, QString& Language) override;
    QString LoadResString(ResStringID ID) override;
    QIcon LoadResPicture(ResPictureID ID, qint32* Format = nullptr) override;
    QVariant LoadResData(ResDataID ID, qint32* Format = nullptr) override;

private:
    PictureField* FlagField();

    // Created, never shown, on the first picture request; it holds imgFlag.
    std::unique_ptr<QWidget> m_pictureWindow;
    PictureField* m_imgFlag = nullptr;
};
