#include "model/LoanTypes.h"

#include "langlib/ResourceIds.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char*, int>, 6> Table = {{
    {"M", rsMortgage},
    {"A", rsAutomobile},
    {"B", rsBoat},
    {"C", rsCollege},
    {"H", rsHomeImprovement},
    {"D", rsDebtConsolidation},
}};

} // namespace

int LoanTypes::NameId(const QString& code)
{
    for (const auto& [entry, id] : Table) {
        if (code == QLatin1String(entry))
            return id;
    }
    return 0;
}

QStringList LoanTypes::Names(const TextLookup& text)
{
    QStringList names;
    for (const auto& [code, id] : Table)
        names.append(text(id));
    return names;
}

QString LoanTypes::CodeForName(const QString& name, const TextLookup& text)
{
    for (const auto& [code, id] : Table) {
        if (text(id) == name)
            return QLatin1String(code);
    }
    return QString();
}
