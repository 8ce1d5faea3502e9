#include "strings/BlockArena.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using Sizes = QList<qulonglong>;

namespace {

constexpr qulonglong kMiB = BlockArena::kBlockSize;

Sizes blockSizes(const BlockArena &arena)
{
    Sizes sizes;
    for (std::size_t i = 0; i < arena.blockCount(); ++i)
        sizes.append(arena.blockSize(i));
    return sizes;
}

bool insideOneBlock(const BlockArena &arena, const char *object, std::size_t n)
{
    for (std::size_t i = 0; i < arena.blockCount(); ++i) {
        const char *start = arena.blockStart(i);
        if (object >= start && object + n <= start + arena.blockSize(i))
            return true;
    }
    return false;
}

} // namespace

class BlockArenaTest : public QObject
{
    Q_OBJECT

private slots:
    // Where a block ends: an object never reaches past it.
    void blockRules_data()
    {
        QTest::addColumn<Sizes>("allocations");
        QTest::addColumn<qulonglong>("lastAlignment");
        QTest::addColumn<Sizes>("blocks");
        QTest::newRow("first object above 1024 gets its size") << Sizes{5000} << 1ull << Sizes{5000};
        QTest::newRow("second object fills the first block") << Sizes{10, 1014} << 1ull << Sizes{1024};
        QTest::newRow("one byte too many opens 1 MiB") << Sizes{10, 1015} << 1ull << Sizes{1024, kMiB};
        // 4 bytes would fit unaligned; 8-aligned they need 4 bytes of padding first.
        QTest::newRow("padding counts against the block") << Sizes{1020, 4} << 8ull << Sizes{1024, kMiB};
        QTest::newRow("huge object gets a block of its own") << Sizes{10, kMiB + 1} << 1ull << Sizes{1024, kMiB + 1};
        QTest::newRow("the block after a full 1 MiB has 2 MiB")
            << Sizes{10, 1014, kMiB, 1} << 1ull << Sizes{1024, kMiB, 2 * kMiB};
        // Objects of 1 MiB fill each block exactly; one byte more opens the next.
        Sizes growing{10, 1014};
        for (int i = 0; i < 1 + 2 + 4 + 8 + 8; ++i)
            growing << kMiB;
        QTest::newRow("blocks double up to 8 MiB")
            << (growing << 1) << 1ull << Sizes{1024, kMiB, 2 * kMiB, 4 * kMiB, 8 * kMiB, 8 * kMiB, 8 * kMiB};
    }

    void blockRules()
    {
        QFETCH(Sizes, allocations);
        QFETCH(qulonglong, lastAlignment);
        QFETCH(Sizes, blocks);
        BlockArena arena;
        for (int i = 0; i < allocations.size(); ++i) {
            const std::size_t alignment = i + 1 == allocations.size() ? lastAlignment : 1;
            QVERIFY(insideOneBlock(arena, static_cast<const char *>(arena.allocate(allocations[i], alignment)),
                                   allocations[i]));
        }
        QCOMPARE(blockSizes(arena), blocks);
    }

    // Objects of scrambled sizes and alignments (up to beyond what the heap guarantees) never overlap.
    void objectsAreAlignedAndDoNotOverlap()
    {
        BlockArena arena;
        struct Written
        {
            unsigned char *at;
            std::size_t n;
            unsigned char value;
        };
        std::vector<Written> written;
        std::size_t n = 1;
        for (int i = 0; i < 5000; ++i) {
            n = (n * 7919 + 13) % 3001; // sizes 0..3000 in a scrambled order
            const std::size_t alignment = std::size_t(1) << (i % 7);
            auto *object = static_cast<unsigned char *>(arena.allocate(n, alignment));
            QCOMPARE(reinterpret_cast<std::uintptr_t>(object) % alignment, std::uintptr_t(0));
            const auto value = static_cast<unsigned char>(i);
            std::memset(object, value, n);
            written.push_back({object, n, value});
        }
        for (const Written &w : written) {
            const bool intact = std::all_of(w.at, w.at + w.n, [&w](unsigned char c) { return c == w.value; });
            QVERIFY2(intact, qPrintable(QStringLiteral("object %1 was overwritten").arg(int(w.value))));
        }
    }
};

QTEST_APPLESS_MAIN(BlockArenaTest)
#include "BlockArenaTest.moc"
