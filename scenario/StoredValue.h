#pragma once

#include <QVariant>

// A value as the hive holds it: the registry's type number with the data in
// its natural form (QString for text, qint32 for a number, QByteArray for
// binary).
struct StoredValue
{
    int Type = 0;
    QVariant Data;
};
