#pragma once

namespace RegistryAPI {

// Makes every registry operation inside its scope one unit: committed whole
// when the scope ends normally, rolled back when it ends by an exception, so
// a crash or failure halfway leaves what was stored before. While it lives it
// holds the hive's write lock; other copies of the program wait for it.
// Scopes nest by joining the outermost one: an exception leaving any of them
// rolls back the whole unit.
//
// A caller that must know whether its work was stored ends the scope with
// Commit(): the end of the scope alone cannot report a failed commit, and
// rolls back in silence.
class Transaction
{
public:
    // Raises Error when the outermost scope cannot start its unit: another
    // copy of the program kept the hive locked past the wait, or the hive
    // cannot be opened.
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Ends the scope now. The outermost scope stores the unit and raises Error
    // when it is not stored (the commit failed, or a nested scope was left by
    // an exception); the old values are then kept. A nested scope leaves the
    // decision to the outermost one. Work done after it in the same scope is
    // no longer part of the unit; a second call does nothing.
    void Commit();

private:
    int m_exceptionsAtStart;
    bool m_ended = false;
};

} // namespace RegistryAPI
