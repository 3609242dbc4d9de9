#pragma once

// The contract between the program and its language libraries. Tessaly owns
// it; Morvane and the program include this same header, so all three agree on
// one interface id and one set of id numbers.

#include "langlib/ResourceIds.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariant>

class ResourcesInterface
{
public:
    virtual ~ResourcesInterface() = default;

    virtual QVariant GetInfo(qint32& LanguageID, QString& Language) = 0;
    virtual QString LoadResString(ResStringID ID) = 0;
    virtual QIcon LoadResPicture(ResPictureID ID, qint32* Format = nullptr) = 0;
    virtual QVariant LoadResData(ResDataID ID, qint32* Format = nullptr) = 0;
};

#define ResourcesInterface_iid "com.zanticbrindlecoft.Loan.Tessaly.Resources/1.0"
Q_DECLARE_INTERFACE(ResourcesInterface, ResourcesInterface_iid)
