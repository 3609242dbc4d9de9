#include "scenario/RegistryError.h"

namespace RegistryAPI {

Error::Error(const QString& description)
    : text(description), utf8(description.toUtf8())
{
}

Error Error::unableToCreateKey()
{
    return Error(QStringLiteral("Unable to create the registry key"));
}

Error Error::unsupportedValueType()
{
    return Error(QStringLiteral("Unsupported value type"));
}

Error Error::unableToBeginTransaction()
{
    return Error(QStringLiteral(
        "Unable to open the registry; another copy of the program may be using it"));
}

Error Error::unableToCommitTransaction()
{
    return Error(QStringLiteral("Unable to complete the registry transaction; nothing was stored"));
}

int Error::number() const noexcept
{
    return ErrorNumber;
}

QString Error::description() const
{
    return text;
}

const char* Error::what() const noexcept
{
    return utf8.constData();
}

} // namespace RegistryAPI
