#pragma once

#include <QVariant>

// The registry's type numbers of the values it keeps.
namespace RegistryAPI {
constexpr int REG_SZ = 1;
constexpr int REG_BINARY = 3;
constexpr int REG_DWORD = 4;
} // namespace RegistryAPI

// A value as the hive holds it: the registry's type number with the data in
// its natural form (QString for text, qint32 for a number, QByteArray for
// binary).
struct StoredValue
{
    int Type = 0;
    QVariant Data;
};
