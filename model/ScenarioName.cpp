#include "model/ScenarioName.h"

#include <algorithm>

ScenarioName::Verdict ScenarioName::Check(const QString& name)
{
    if (IsBlank(name))
        return Verdict::Blank;
    if (name.size() > MaxLength || name != name.trimmed() || !QStringView(name).isValidUtf16())
        return Verdict::Refused;
    if (std::any_of(name.begin(), name.end(), IsUnlistable))
        return Verdict::Refused;
    return Verdict::Valid;
}

bool ScenarioName::IsBlank(const QString& name)
{
    return name.isEmpty() || name == QLatin1String(" ");
}

bool ScenarioName::IsUnlistable(QChar character)
{
    switch (character.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return character == QLatin1Char('\\');
    }
}
