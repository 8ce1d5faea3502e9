#include "index/ArenaAllocator.h"
#include "index/IndexTypes.h"

#include <QTest>

#include <cstdint>
#include <list>
#include <set>

namespace {

// The shape of the index's records: a parent link and a pooled name.
struct Record
{
    FRN parent = 0;
    const char *name = nullptr;
};

using RecordMap = ArenaMap<FRN, Record>;

struct alignas(32) Wide
{
    char bytes[40];
};

} // namespace

class ArenaAllocatorTest : public QObject
{
    Q_OBJECT

private slots:
    void mapNodesComeFromTheArena()
    {
        BlockArena arena;
        const std::size_t before = arena.usedBytes();
        RecordMap map{RecordMap::allocator_type(arena)};
        const int count = 100000;
        for (int i = count; i > 0; --i)
            map[FRN(i) * 3] = Record{FRN(i), "name"};
        QCOMPARE(int(map.size()), count);
        const std::size_t perNode = (arena.usedBytes() - before) / count;
        // A node is the value plus the tree's links and colour, nothing more:
        // no heap header, no per-node padding beyond the node's alignment.
        QVERIFY2(perNode >= sizeof(RecordMap::value_type),
                 qPrintable(QStringLiteral("%1 bytes per node").arg(perNode)));
        QVERIFY2(perNode <= sizeof(RecordMap::value_type) + 4 * sizeof(void *),
                 qPrintable(QStringLiteral("%1 bytes per node").arg(perNode)));
        QCOMPARE(arena.usedBytes() - before, perNode * count);
        // 100,000 nodes of a few dozen bytes: a handful of 1 MiB blocks.
        QVERIFY(arena.blockCount() <= (perNode * count) / BlockArena::kBlockSize + 2);

        FRN previous = 0;
        for (const auto &entry : map) {
            QVERIFY(entry.first > previous);
            QCOMPARE(entry.second.parent * 3, entry.first);
            previous = entry.first;
        }
    }

    void copyBetweenArenasCopiesTheNodes()
    {
        BlockArena first;
        BlockArena second;
        RecordMap source{RecordMap::allocator_type(first)};
        for (FRN i = 1; i <= 100; ++i)
            source.emplace(i, Record{i + 1, nullptr});
        const std::size_t firstUsed = first.usedBytes();

        RecordMap target{RecordMap::allocator_type(second)};
        target = source;
        QCOMPARE(target.get_allocator().arena(), &second);
        QCOMPARE(first.usedBytes(), firstUsed);
        QVERIFY(second.usedBytes() >= 100 * sizeof(RecordMap::value_type));
        QCOMPARE(target.size(), source.size());
        QCOMPARE(target.at(50).parent, FRN(51));
    }

    void equalityFollowsTheArena()
    {
        BlockArena first;
        BlockArena second;
        ArenaAllocator<int> a(first);
        ArenaAllocator<int> b(first);
        ArenaAllocator<double> rebound(a);
        ArenaAllocator<int> other(second);
        QVERIFY(a == b);
        QVERIFY(a == rebound);
        QVERIFY(a != other);
        QCOMPARE(rebound.arena(), &first);
    }

    void nodesAreAlignedForTheirType()
    {
        BlockArena arena;
        arena.allocate(3); // leave the arena at an odd address
        std::list<Wide, ArenaAllocator<Wide>> list{ArenaAllocator<Wide>(arena)};
        std::set<char, std::less<char>, ArenaAllocator<char>> set{ArenaAllocator<char>(arena)};
        for (int i = 0; i < 200; ++i) {
            set.insert(char(i));
            list.push_back(Wide{});
            QCOMPARE(reinterpret_cast<std::uintptr_t>(&list.back()) % alignof(Wide), std::uintptr_t(0));
        }
        QCOMPARE(int(set.size()), 200);
    }

    void impossibleSizeThrows()
    {
        BlockArena arena;
        ArenaAllocator<Record> allocator(arena);
        QVERIFY_EXCEPTION_THROWN(allocator.allocate(std::size_t(-1) / 2), std::bad_array_new_length);
        QCOMPARE(arena.blockCount(), std::size_t(0));
    }
};

QTEST_APPLESS_MAIN(ArenaAllocatorTest)
#include "ArenaAllocatorTest.moc"
