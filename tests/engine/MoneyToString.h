#pragma once

#include "engine/Money.h"

#include <QByteArray>

// Lets QCOMPARE print amounts it finds different.
inline char* toString(const Money& money)
{
    return qstrdup(QByteArray::number(money.ToDouble(), 'f', 4).constData());
}
