#include "model/ScenarioLoadError.h"

ScenarioLoadError::ScenarioLoadError(int number, const QString& source, const QString& description)
    : m_number(number), m_source(source), m_description(description)
{
}

ScenarioLoadError ScenarioLoadError::TypeMismatch(const QString& source)
{
    return ScenarioLoadError(TypeMismatchNumber, source, QStringLiteral("Type mismatch"));
}

ScenarioLoadError ScenarioLoadError::Overflow(const QString& source)
{
    return ScenarioLoadError(OverflowNumber, source, QStringLiteral("Overflow"));
}

QString ScenarioLoadError::Message() const
{
    return QStringLiteral("errn=") + QString::number(m_number) + QStringLiteral("  src=") + m_source
           + QStringLiteral("  desc=") + m_description;
}
