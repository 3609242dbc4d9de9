#include "model/ScenarioValueReader.h"

#include "engine/MoneyOverflow.h"
#include "engine/WholeNumber.h"
#include "store/RegistryAPI.h"
#include "model/StoredText.h"

#include <optional>

using RegistryAPI::Root;

ScenarioValueReader::ScenarioValueReader(const QString& key, QList<ScenarioLoadError>& errors)
    : m_key(key), m_errors(errors)
{
}

QString ScenarioValueReader::Text(const QString& name) const
{
    return RegistryAPI::ReadValue(Root::CurrentUser, m_key, name, RegistryAPI::REG_SZ, QString())
        .toString();
}

qint32 ScenarioValueReader::Number(const QString& name) const
{
    return RegistryAPI::ReadValue(Root::CurrentUser, m_key, name, RegistryAPI::REG_DWORD, 0)
        .toInt();
}

bool ScenarioValueReader::Read(const QString& name, Money& place)
{
    return Take(name, place, [&name](double number) {
        try {
            return Money::FromDouble(number);
        } catch (const MoneyOverflow&) {
            throw ScenarioLoadError::Overflow(name);
        }
    });
}

bool ScenarioValueReader::Read(const QString& name, qint32& place)
{
    return Take(name, place, [&name](double number) {
        const std::optional<qint32> whole = RoundedToInt32(number);
        if (!whole)
            throw ScenarioLoadError::Overflow(name);
        return *whole;
    });
}

bool ScenarioValueReader::Read(const QString& name, double& place)
{
    return Take(name, place, [](double number) { return number; });
}

bool ScenarioValueReader::ReadDate(const QString& name, double& place)
{
    const std::optional<double> dayCount = StoredText::ToDate(Text(name));
    if (!dayCount) {
        m_errors.append(ScenarioLoadError::TypeMismatch(name));
        return false;
    }
    place = *dayCount;
    return true;
}

bool ScenarioValueReader::ReadIfPresent(const QString& name, std::optional<double>& place)
{
    if (Text(name).isEmpty())
        return false;
    double number = 0;
    if (!Read(name, number))
        return false;
    place = number;
    return true;
}

template <typename Value, typename Convert>
bool ScenarioValueReader::Take(const QString& name, Value& place, Convert convert)
{
    try {
        const std::optional<double> number = StoredText::ToNumber(Text(name));
        if (!number)
            throw ScenarioLoadError::TypeMismatch(name);
        place = convert(*number);
        return true;
    } catch (const ScenarioLoadError& error) {
        m_errors.append(error);
        return false;
    }
}
