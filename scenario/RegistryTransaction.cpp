#include "scenario/RegistryTransaction.h"

#include "scenario/HiveStore.h"
#include "scenario/RegistryError.h"

#include <exception>
#include <utility>

namespace RegistryAPI {

Transaction::Transaction()
    : exceptionsAtStart(std::uncaught_exceptions())
{
    // Carrying on without the unit would make every read inside the scope
    // answer defaults and every write store nothing, all in silence.
    if (!HiveStore::instance().beginTransaction())
        throw Error::unableToBeginTransaction();
}

Transaction::~Transaction()
{
    if (ended)
        return;
    const bool unwinding = std::uncaught_exceptions() > exceptionsAtStart;
    HiveStore::instance().endTransaction(!unwinding);
}

void Transaction::Commit()
{
    if (std::exchange(ended, true))
        return;
    if (!HiveStore::instance().endTransaction(true))
        throw Error::unableToCommitTransaction();
}

} // namespace RegistryAPI
