#pragma once

#include <cstddef>

// Room at the top of the heap for the first window, backed with memory in
// one step instead of page by page.
//
// The first time the program touches a page of memory costs a trap into the
// system, and on a virtual machine that trap is dear: about 11 µs on the
// machine the program is measured on, where the first window touches some
// 800 new pages of heap for its controls and for the picture Qt paints them
// into. Backed by another thread, asking the system for the whole room in
// one call and then reading a byte of each page, they cost the main thread
// nothing.
//
// Made on the main thread, a HeapRoom grows the heap by Size and has the
// allocator keep that much room on top of it for the rest of the run. Back()
// may then be called from any thread: it leaves the memory's contents as
// they are, so the main thread may take blocks from the room meanwhile.
// Where the allocator or the system cannot do this, both do nothing, and
// Back() says so.
class HeapRoom
{
public:
    // What the main window takes from the heap before its first picture:
    // about 1.7 MiB for its controls and 1.8 MiB for the picture at the
    // window's first size.
    static constexpr std::size_t Size = std::size_t(7) << 19;

    HeapRoom();

    bool Back() const;

private:
    void* m_begin = nullptr;
    std::size_t m_length = 0;
};
