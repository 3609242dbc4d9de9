#pragma once

#include "model/ScenarioData.h"
#include "model/ScenarioField.h"
#include "model/ScenarioLoadError.h"

#include <QList>

// What loading a scenario found. A value that failed to convert keeps its
// default in Data and has an entry in Errors, so the window can take the
// values over one by one, in its own order, and report the failed ones where
// they come instead of setting them.
struct LoadedScenario
{
    // At most ScenarioStore::MaxQuotes quotes, in their saved order.
    ScenarioData Data;
    // In the order the values were read.
    QList<ScenarioLoadError> Errors;

    // Nothing when the value loaded.
    const ScenarioLoadError* Failure(ScenarioField field) const;
    // The quote of Data.Quotes at the index.
    const ScenarioLoadError* Failure(int quoteIndex, QuoteField field) const;

private:
    const ScenarioLoadError* FailureOf(const QString& valueName) const;
};
