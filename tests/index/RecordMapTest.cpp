#include "index/RecordMap.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

namespace {

// A distinct fake name per record, so that a value moved to the wrong key shows.
const char *nameOf(FRN frn)
{
    static const char names[] = "abcdefghijklmnopqrstuvwxyz";
    return names + frn % 26;
}

// The map must hold exactly the reference's entries, in ascending order, and find each of them and nothing else.
void compareWith(const RecordMap &map, const std::map<FRN, FRN> &reference)
{
    QCOMPARE(map.size(), reference.size());
    auto expected = reference.begin();
    for (const RecordMap::Entry &entry : map) {
        QVERIFY(expected != reference.end());
        QCOMPARE(entry.first, expected->first);
        QCOMPARE(entry.second.parent, expected->second);
        QCOMPARE(entry.second.name, nameOf(entry.first));
        ++expected;
    }
    QVERIFY(expected == reference.end());
    for (const auto &pair : reference) {
        const auto found = map.find(pair.first);
        QVERIFY(found != map.end());
        QCOMPARE(found->first, pair.first);
    }
}

} // namespace

class RecordMapTest : public QObject
{
    Q_OBJECT

private slots:
    // Insertions, overwrites and erasures in random order, checked against
    // std::map at every stage: leaves split, empty and come back into use.
    void randomChangesMatchAnOrderedMap()
    {
        QRandomGenerator random(1);
        BlockArena arena;
        RecordMap map(arena);
        std::map<FRN, FRN> reference;
        for (int round = 0; round < 6; ++round) {
            const bool growing = round % 2 == 0;
            for (int step = 0; step < 20000; ++step) {
                const FRN frn = FRN(random.bounded(3000)) + 1; // dense: many overwrites
                if (random.bounded(100) < (growing ? 70 : 25)) {
                    const FRN parent = random.generate();
                    map[frn] = FileRecord{parent, nameOf(frn)};
                    reference[frn] = parent;
                } else {
                    QCOMPARE(map.erase(frn), reference.erase(frn));
                }
            }
            compareWith(map, reference);
        }
    }

    void erasingEverythingLeavesAnEmptyMapThatReusesItsLeaves()
    {
        BlockArena arena;
        RecordMap map(arena);
        for (FRN frn = 1; frn <= 1000; ++frn)
            map.insert_or_assign(frn, FileRecord{1, nameOf(frn)});
        const std::size_t used = arena.usedBytes();
        for (FRN frn = 1000; frn >= 1; --frn)
            QCOMPARE(map.erase(frn), std::size_t(1));
        QVERIFY(map.empty());
        QVERIFY(map.begin() == map.end());
        QCOMPARE(map.erase(5), std::size_t(0));
        for (FRN frn = 1; frn <= 1000; ++frn)
            map.insert_or_assign(frn, FileRecord{2, nameOf(frn)});
        QCOMPARE(map.size(), std::size_t(1000));
        QCOMPARE(arena.usedBytes(), used);
        QCOMPARE(map.find(500)->second.parent, FRN(2));
    }
};

QTEST_GUILESS_MAIN(RecordMapTest)
#include "RecordMapTest.moc"
