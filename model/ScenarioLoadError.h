#pragma once

#include <QString>

// A stored value of a scenario that could not be taken over: what went wrong
// (with the numbers and descriptions the user knows from conversion errors)
// and which value it was.
class ScenarioLoadError
{
public:
    static constexpr int OverflowNumber = 6;
    static constexpr int TypeMismatchNumber = 13;

    ScenarioLoadError(int number, const QString& source, const QString& description);

    // Stored text that is no number or date.
    static ScenarioLoadError TypeMismatch(const QString& source);
    // A number too large for the value it is meant for.
    static ScenarioLoadError Overflow(const QString& source);

    int Number() const { return m_number; }
    // The registry value name.
    QString Source() const { return m_source; }

    // "errn=13  src=LoanAmount  desc=Type mismatch"
    QString Message() const;

private:
    int m_number;
    QString m_source;
    QString m_description;
};
