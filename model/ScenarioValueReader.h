#pragma once

#include "engine/Money.h"
#include "model/ScenarioLoadError.h"

#include <QList>
#include <QString>

#include <optional>

// Reads the values of one scenario key. Each Read converts the stored text
// into its place and answers whether it did; a value that does not convert is
// recorded in the error list and its place keeps what it had. A missing value
// reads as 0 (or empty text, or false).
class ScenarioValueReader
{
public:
    ScenarioValueReader(const QString& key, QList<ScenarioLoadError>& errors);

    QString Text(const QString& name) const;
    qint32 Number(const QString& name) const;

    bool Read(const QString& name, Money& place);
    // Whole months; a fraction rounds half to even.
    bool Read(const QString& name, qint32& place);
    bool Read(const QString& name, double& place);
    // A day count.
    bool ReadDate(const QString& name, double& place);
    // A number that may be missing, which leaves the place empty.
    bool ReadIfPresent(const QString& name, std::optional<double>& place);

private:
    template <typename Value, typename Convert>
    bool Take(const QString& name, Value& place, Convert convert);

    QString m_key;
    QList<ScenarioLoadError>& m_errors;
};
