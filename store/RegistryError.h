#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace RegistryAPI {

// The one error the registry layer raises: a key that cannot be created, a
// value read with a type the layer does not know, or a transaction that could
// not start or whose work was not stored.
class Error : public std::exception
{
public:
    static constexpr int ErrorNumber = 1001;

    static Error UnableToCreateKey();
    static Error UnsupportedValueType();
    static Error UnableToBeginTransaction();
    static Error UnableToCommitTransaction();

    int Number() const noexcept;
    QString Description() const;
    const char* what() const noexcept override;

private:
    explicit Error(const QString& description);

    QString m_text;
    QByteArray m_utf8;
};

} // namespace RegistryAPI
