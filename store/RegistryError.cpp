#include "store/RegistryError.h"

namespace RegistryAPI {

Error::Error(const QString& description)
    : m_text(description)
    , m_utf8(description.toUtf8())
{
}

Error Error::UnableToCreateKey()
{
    return Error(QStringLiteral("Unable to create the registry key"));
}

Error Error::UnsupportedValueType()
{
    return Error(QStringLiteral("Unsupported value type"));
}

Error Error::UnableToBeginTransaction()
{
    return Error(QStringLiteral(
        "Unable to open the registry; another copy of the program may be using it"));
}

Error Error::UnableToCommitTransaction()
{
    return Error(QStringLiteral("Unable to complete the registry transaction; nothing was stored"));
}

int Error::Number() const noexcept
{
    return ErrorNumber;
}

QString Error::Description() const
{
    return m_text;
}

const char* Error::what() const noexcept
{
    return m_utf8.constData();
}

} // namespace RegistryAPI
