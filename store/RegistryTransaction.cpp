#include "store/RegistryTransaction.h"

#include "store/HiveStore.h"
#include "store/RegistryError.h"

#include <exception>
#include <utility>

namespace RegistryAPI {

Transaction::Transaction()
    : m_exceptionsAtStart(std::uncaught_exceptions())
{
    // Carrying on without the unit would make every read inside the scope
    // answer defaults and every write store nothing, all in silence.
    if (!HiveStore::Instance().BeginTransaction())
        throw Error::UnableToBeginTransaction();
}

Transaction::~Transaction()
{
    if (m_ended)
        return;
    const bool unwinding = std::uncaught_exceptions() > m_exceptionsAtStart;
    HiveStore::Instance().EndTransaction(!unwinding);
}

void Transaction::Commit()
{
    if (std::exchange(m_ended, true))
        return;
    if (!HiveStore::Instance().EndTransaction(true))
        throw Error::UnableToCommitTransaction();
}

} // namespace RegistryAPI
