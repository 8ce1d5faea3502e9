#include "index/BlockArena.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using Sizes = QList<qulonglong>;

namespace {

// QCOMPARE on char pointers compares the strings; these tests are about which bytes a pointer addresses.
inline const void *address(const char *p)
{
    return p;
}

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
    void blockRules_data()
    {
        QTest::addColumn<Sizes>("allocations");
        QTest::addColumn<Sizes>("blocks");
        QTest::newRow("first small object opens 1024 bytes") << Sizes{10} << Sizes{1024};
        QTest::newRow("first object above 1024 gets its size") << Sizes{5000} << Sizes{5000};
        QTest::newRow("second object fills the first block") << Sizes{10, 1014} << Sizes{1024};
        QTest::newRow("one byte too many opens 1 MiB") << Sizes{10, 1015} << Sizes{1024, kMiB};
        QTest::newRow("huge object gets a block of its own")
            << Sizes{10, kMiB + 1} << Sizes{1024, kMiB + 1};
        QTest::newRow("after a huge object a small one opens 1 MiB")
            << Sizes{10, kMiB + 1, 1} << Sizes{1024, kMiB + 1, kMiB};
        QTest::newRow("small objects share 1 MiB blocks")
            << Sizes{10, 1015, kMiB - 1015, 1} << Sizes{1024, kMiB, kMiB};
    }

    void blockRules()
    {
        QFETCH(Sizes, allocations);
        QFETCH(Sizes, blocks);
        BlockArena arena;
        qulonglong total = 0;
        for (qulonglong n : allocations) {
            const char *object = static_cast<const char *>(arena.allocate(n));
            QVERIFY(insideOneBlock(arena, object, n));
            total += n;
        }
        QCOMPARE(blockSizes(arena), blocks);
        qulonglong reserved = 0;
        for (qulonglong size : blocks)
            reserved += size;
        QCOMPARE(qulonglong(arena.reservedBytes()), reserved);
        QCOMPARE(qulonglong(arena.usedBytes()), total);
    }

    void alignmentPadsOnlyWhenAsked_data()
    {
        QTest::addColumn<qulonglong>("before");
        QTest::addColumn<qulonglong>("alignment");
        QTest::newRow("after 3 bytes, 8-aligned") << 3ull << 8ull;
        QTest::newRow("after 1 byte, 16-aligned") << 1ull << 16ull;
    }

    void alignmentPadsOnlyWhenAsked()
    {
        QFETCH(qulonglong, before);
        QFETCH(qulonglong, alignment);
        BlockArena arena;
        char *first = static_cast<char *>(arena.allocate(before));
        char *aligned = static_cast<char *>(arena.allocate(8, alignment));
        QCOMPARE(reinterpret_cast<std::uintptr_t>(aligned) % alignment, std::uintptr_t(0));
        QVERIFY(aligned >= first + before);
        QVERIFY(aligned < first + before + alignment);
        QCOMPARE(qulonglong(arena.usedBytes()), qulonglong(aligned - first) + 8);
    }

    void paddingCountsAgainstTheBlock()
    {
        BlockArena arena;
        arena.allocate(1020);
        // 4 bytes would fit unaligned; 8-aligned they need 4 bytes of padding first and no longer fit.
        char *object = static_cast<char *>(arena.allocate(4, 8));
        QCOMPARE(arena.blockCount(), std::size_t(2));
        QCOMPARE(address(object), address(arena.blockStart(1)));
    }

    void objectsDoNotOverlap()
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
            auto *object = static_cast<unsigned char *>(arena.allocate(n, i % 2 ? 8 : 1));
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
