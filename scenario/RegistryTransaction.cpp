#include "scenario/RegistryTransaction.h"

#include "scenario/HiveStore.h"

#include <exception>

namespace RegistryAPI {

Transaction::Transaction()
    : exceptionsAtStart(std::uncaught_exceptions())
{
    HiveStore::instance().beginTransaction();
}

Transaction::~Transaction()
{
    const bool unwinding = std::uncaught_exceptions() > exceptionsAtStart;
    HiveStore::instance().endTransaction(!unwinding);
}

} // namespace RegistryAPI
