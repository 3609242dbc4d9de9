#include "model/LoadedScenario.h"

const ScenarioLoadError* LoadedScenario::Failure(ScenarioField field) const
{
    return FailureOf(ScenarioValueName::Of(field));
}

const ScenarioLoadError* LoadedScenario::Failure(int quoteIndex, QuoteField field) const
{
    return FailureOf(ScenarioValueName::Of(quoteIndex + 1, field));
}

const ScenarioLoadError* LoadedScenario::FailureOf(const QString& valueName) const
{
    for (const ScenarioLoadError& error : Errors) {
        if (error.Source() == valueName)
            return &error;
    }
    return nullptr;
}
