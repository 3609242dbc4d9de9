// The heap's room for the first window: what the main thread writes while
// another thread backs the room stays as written, and a picture-sized block
// taken from the room afterwards costs no page faults.

#include "app/HeapRoom.h"

#include <QTest>

#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

long PageFaultsSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// Linux 5.14 on; elsewhere the room is never backed and there is nothing to test.
bool SystemBacksInOneCall()
{
    void* page = mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    const bool backs = page != MAP_FAILED && madvise(page, 4096, MADV_POPULATE_WRITE) == 0;
    munmap(page, 4096);
    return backs;
}

} // namespace

class HeapRoomTest : public QObject
{
    Q_OBJECT

private slots:
    void aRoomBackedWhileWrittenKeepsEveryByteAndCostsNoFaults()
    {
        if (!SystemBacksInOneCall())
            QSKIP("this system cannot back memory in one call");
        const HeapRoom room;
        constexpr std::size_t BlockSize = 2000;
        std::vector<unsigned char*> blocks(1200);
        const auto pattern = [](std::size_t block, std::size_t byte) {
            return static_cast<unsigned char>(block * 7 + byte);
        };
        bool backed = false;
        std::thread backer([&] { backed = room.Back(); });
        for (std::size_t block = 0; block < blocks.size(); ++block) {
            blocks[block] = static_cast<unsigned char*>(std::malloc(BlockSize));
            for (std::size_t byte = 0; byte < BlockSize; ++byte)
                blocks[block][byte] = pattern(block, byte);
        }
        backer.join();
        QVERIFY(backed);
        std::size_t changed = 0;
        for (std::size_t block = 0; block < blocks.size(); ++block) {
            for (std::size_t byte = 0; byte < BlockSize; ++byte)
                changed += blocks[block][byte] != pattern(block, byte);
            std::free(blocks[block]);
        }
        QCOMPARE(changed, std::size_t(0));

        // Larger than a block of its own mapping would be by default.
        constexpr std::size_t Picture = 2 << 20;
        const long before = PageFaultsSoFar();
        void* picture = std::malloc(Picture);
        std::memset(picture, 0x5a, Picture);
        const long faults = PageFaultsSoFar() - before;
        std::free(picture);
        QVERIFY2(faults < 16, qPrintable(QString::number(faults) + " page faults"));
    }
};

QTEST_APPLESS_MAIN(HeapRoomTest)
#include "tst_heaproom.moc"
