// The heap's room for the first window: what the main thread writes while
// another thread backs the room stays as written, and blocks then taken from
// the room cost no page faults.

#include "app/HeapRoom.h"

#include <QTest>

#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

long PageFaultsSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// Whether the system backs memory in one call at all (Linux 5.14 on).
bool SystemBacksInOneCall()
{
    const std::size_t page = 4096;
    void* memory = mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    const bool backs = memory != MAP_FAILED && madvise(memory, page, MADV_POPULATE_WRITE) == 0;
    if (memory != MAP_FAILED)
        munmap(memory, page);
    return backs;
}

unsigned char Pattern(std::size_t block, std::size_t byte)
{
    return static_cast<unsigned char>(block * 7 + byte);
}

} // namespace

class HeapRoomTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!SystemBacksInOneCall())
            QSKIP("this system cannot back memory in one call");
        // One room for the run, made early, as the program makes it.
        m_room = std::make_unique<HeapRoom>();
    }

    void writingWhileTheRoomIsBackedKeepsEveryByte()
    {
        const HeapRoom& room = *m_room;
        constexpr std::size_t Blocks = 1200;
        constexpr std::size_t BlockSize = 2000;
        std::vector<unsigned char*> blocks;
        bool backed = false;
        std::thread backer([&] { backed = room.Back(); });
        for (std::size_t block = 0; block < Blocks; ++block) {
            auto* bytes = static_cast<unsigned char*>(std::malloc(BlockSize));
            for (std::size_t byte = 0; byte < BlockSize; ++byte)
                bytes[byte] = Pattern(block, byte);
            blocks.push_back(bytes);
        }
        backer.join();
        std::size_t changed = 0;
        for (std::size_t block = 0; block < Blocks; ++block) {
            for (std::size_t byte = 0; byte < BlockSize; ++byte)
                changed += blocks[block][byte] != Pattern(block, byte);
            std::free(blocks[block]);
        }
        QCOMPARE(changed, std::size_t(0));
        QVERIFY(backed);
    }

    void blocksFromTheRoomTakeNoPageFaults()
    {
        QVERIFY(m_room->Back());
        // Larger than a block of its own mapping would be by default.
        constexpr std::size_t Picture = 2 << 20;
        const long before = PageFaultsSoFar();
        void* picture = std::malloc(Picture);
        std::memset(picture, 0x5a, Picture);
        const long faults = PageFaultsSoFar() - before;
        std::free(picture);
        QVERIFY2(faults < 16, qPrintable(QString::number(faults) + " page faults"));
    }

private:
    std::unique_ptr<HeapRoom> m_room;
};

QTEST_APPLESS_MAIN(HeapRoomTest)
#include "tst_heaproom.moc"
