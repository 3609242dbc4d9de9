#include "app/HeapRoom.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#if defined(__GLIBC__) && defined(MADV_POPULATE_WRITE)

namespace {

// Blocks up to this size come from the heap rather than from mappings of
// their own, so that the window's picture is painted into the room too.
constexpr int LargestHeapBlock = 4 << 20;
// Larger than the free room the heap starts with, so that taking it makes
// the heap grow.
constexpr std::size_t GrowingBlock = 256 << 10;

std::size_t PageSize()
{
    return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

} // namespace

HeapRoom::HeapRoom()
{
    if (mallopt(M_MMAP_THRESHOLD, LargestHeapBlock) == 0 || mallopt(M_TOP_PAD, int(Size)) == 0)
        return;
    // The heap grows by the block and the room above it; given back, the
    // block joins the room, and the allocator trims the top down to the room.
    // Held in a volatile, the block is not optimised away.
    void* volatile block = std::malloc(GrowingBlock);
    std::free(block);
    // The room is the top of the heap, which ends at the program break.
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (end == std::uintptr_t(-1) || mallinfo2().keepcost < Size)
        return;
    const std::uintptr_t page = PageSize();
    const std::uintptr_t begin = (end - Size + page - 1) / page * page;
    m_begin = reinterpret_cast<void*>(begin);
    m_length = end - begin;
}

bool HeapRoom::Back() const
{
    // A kernel older than Linux 5.14 refuses the request; the pages then come
    // one by one as before.
    if (!m_begin || madvise(m_begin, m_length, MADV_POPULATE_WRITE) != 0)
        return false;
    // On a virtual machine the first access to each page still cost the
    // main thread a trap into the machine's host, about half of the one
    // spared; reading a byte of each page here takes that one too. Reading
    // changes nothing the main thread may be writing meanwhile.
    const auto* bytes = static_cast<const volatile char*>(m_begin);
    const std::size_t page = PageSize();
    for (std::size_t offset = 0; offset < m_length; offset += page)
        static_cast<void>(bytes[offset]);
    return true;
}

#else

HeapRoom::HeapRoom() = default;

bool HeapRoom::Back() const
{
    return false;
}

#endif
