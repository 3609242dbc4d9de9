#pragma once

#include "model/LoadedScenario.h"
#include "model/ScenarioData.h"

#include <QString>
#include <QStringList>

// Saved scenarios: one registry key per scenario below the program key, named
// after the scenario, holding the scenario's values by fixed names. Names
// compare without regard to case, as the keys do. Every operation refuses a
// name that ScenarioName does not find valid, so such a name never reaches
// another key (an empty name would be the program key itself).
class ScenarioStore
{
public:
    static constexpr int MaxQuotes = ScenarioData::MaxQuotes;

    static QString KeyPath(const QString& name);

    // Replaces whatever was saved under the name: the quotes that hold data,
    // numbered from 1 in their order, and the count of them. All or nothing: a
    // failure or a killed process halfway leaves the scenario saved before.
    // False when the name is refused. Raises RegistryAPI::Error, for the window
    // to show, when nothing was saved: the key cannot be created, another copy
    // of the program keeps the hive locked, or the changes cannot be stored.
    static bool Save(const QString& name, const ScenarioData& data);
    // A scenario that is missing, or a refused name, loads as all defaults.
    // Raises RegistryAPI::Error, for the window to show, when the hive cannot
    // be read (another copy of the program keeps it locked): an empty scenario
    // in its place would be taken for the saved one, and could be saved over it.
    static LoadedScenario Load(const QString& name);
    static void Delete(const QString& name);
    static bool Exists(const QString& name);
    // The saved scenarios for the name list, in case-insensitive order.
    static QStringList Names();

private:
    static bool Accepts(const QString& name);
    static void WriteScenario(const QString& key, const QString& name, const ScenarioData& data);
    static void WriteQuote(const QString& key, int number, const ScenarioQuote& quote);
    static void ReadScenario(const QString& key, LoadedScenario& loaded);
    static void ReadQuote(const QString& key, int number, ScenarioQuote& quote,
                          QList<ScenarioLoadError>& errors);
};
