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
