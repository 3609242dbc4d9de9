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

    static Error unableToCreateKey();
    static Error unsupportedValueType();
    static Error unableToBeginTransaction();
    static Error unableToCommitTransaction();

    int number() const noexcept;
    QString description() const;
    const char* what() const noexcept override;

private:
    explicit Error(const QString& description);

    QString text;
    QByteArray utf8;
};

} // namespace RegistryAPI
