#include "store/RegistryAPI.h"

#include "store/HiveStore.h"

#include <cmath>
#include <limits>
#include <optional>

namespace RegistryAPI {

namespace {

// Binary values are read through a buffer of this size; a longer one does
// not fit and reads as the default.
constexpr qsizetype BinaryBufferBytes = 4096;
// An empty key lists as one entry of blanks as long as a subkey name buffer.
constexpr qsizetype SubKeyNameChars = 260;

bool isStored(Root root)
{
    return root == Root::CurrentUser;
}

bool isSupported(int type)
{
    return type == REG_SZ || type == REG_BINARY || type == REG_DWORD;
}

// A true boolean is the number with all bits set, as the registry's callers
// expect; other values are rounded half to even and must fit 32 bits.
std::optional<qint32> toDword(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    bool converted = false;
    const double rounded = std::nearbyint(value.toDouble(&converted));
    if (!converted || !std::isfinite(rounded)
        || rounded < std::numeric_limits<qint32>::min()
        || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(rounded);
}

std::optional<StoredValue> toStored(int type, const QVariant& value)
{
    switch (type) {
    case REG_SZ:
        return StoredValue{type, value.toString()};
    case REG_BINARY:
        return StoredValue{type, value.toByteArray()};
    case REG_DWORD:
        if (const std::optional<qint32> number = toDword(value))
            return StoredValue{type, *number};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool fitsRequest(const StoredValue& stored, int type)
{
    if (stored.Type != type)
        return false;
    return type != REG_BINARY || stored.Data.toByteArray().size() <= BinaryBufferBytes;
}

} // namespace

bool KeyExists(Root root, const QString& path)
{
    return isStored(root) && HiveStore::Instance().KeyExists(path);
}

bool CreateKey(Root root, const QString& path)
{
    const std::optional<bool> existed =
        isStored(root) ? HiveStore::Instance().CreateKey(path) : std::nullopt;
    if (!existed)
        throw Error::UnableToCreateKey();
    return *existed;
}

void DeleteKey(Root root, const QString& path)
{
    if (isStored(root))
        HiveStore::Instance().DeleteKey(path);
}

QVariant ReadValue(Root root, const QString& path, const QString& name, int type,
                   const QVariant& defaultValue)
{
    if (!isStored(root))
        return defaultValue;
    const HiveStore::Lookup found = HiveStore::Instance().ReadValue(path, name);
    // The key is opened before the type is looked at: a missing key answers
    // with the default whatever the type.
    if (!found.KeyFound)
        return defaultValue;
    if (!isSupported(type))
        throw Error::UnsupportedValueType();
    if (!found.Value || !fitsRequest(*found.Value, type))
        return defaultValue;
    return found.Value->Data;
}

void WriteValue(Root root, const QString& path, const QString& name, int type,
                const QVariant& value)
{
    if (!isStored(root))
        return;
    if (const std::optional<StoredValue> stored = toStored(type, value))
        HiveStore::Instance().WriteValue(path, name, *stored);
}

void DeleteValue(Root root, const QString& path, const QString& name)
{
    if (isStored(root))
        HiveStore::Instance().DeleteValue(path, name);
}

QStringList ListSubKeys(Root root, const QString& path)
{
    if (!isStored(root))
        return {};
    const std::optional<QStringList> names = HiveStore::Instance().ListSubKeys(path);
    if (!names)
        return {};
    if (names->isEmpty())
        return {QString(SubKeyNameChars, QLatin1Char(' '))};
    return *names;
}

QString TakeMovedAsideHive()
{
    return HiveStore::Instance().TakeMovedAsidePath();
}

} // namespace RegistryAPI
