#include "platform/linux/HugePages.h"

#include <QTest>
#include <QVector>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Every byte of a block written and read back: a block cut too short when
// it was aligned, or a page given back by mistake, shows as a crash or as
// bytes that changed.
bool holdsWhatIsWritten(unsigned char *memory, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        memory[i] = static_cast<unsigned char>(i * 7 + 3);
    for (std::size_t i = 0; i < bytes; ++i) {
        if (memory[i] != static_cast<unsigned char>(i * 7 + 3))
            return false;
    }
    return true;
}

} // namespace

class HugePagesTest : public QObject
{
    Q_OBJECT

private slots:
    void allocatedMemoryIsWholeAndAligned_data()
    {
        QTest::addColumn<qulonglong>("bytes");
        QTest::newRow("nothing") << qulonglong(0);
        QTest::newRow("small") << qulonglong(100);
        QTest::newRow("just below a huge page") << qulonglong(HugePages::kPageSize - 1);
        QTest::newRow("one huge page") << qulonglong(HugePages::kPageSize);
        QTest::newRow("uneven, several huge pages") << qulonglong(3 * HugePages::kPageSize + 5);
    }

    void allocatedMemoryIsWholeAndAligned()
    {
        QFETCH(qulonglong, bytes);
        auto *memory = static_cast<unsigned char *>(HugePages::allocate(bytes));
        QVERIFY(memory != nullptr);
        const auto address = reinterpret_cast<std::uintptr_t>(memory);
        QCOMPARE(address % alignof(std::max_align_t), std::uintptr_t(0));
        // Only a block cut to huge page boundaries can be backed by them.
        if (HugePages::available() && bytes >= HugePages::kPageSize)
            QCOMPARE(address % HugePages::kPageSize, std::uintptr_t(0));
        QVERIFY(holdsWhatIsWritten(memory, bytes));
        HugePages::release(memory, bytes);
    }

    // Advice for memory already written, from an unaligned start, leaves
    // every element as it was, before and inside the huge pages alike.
    void adviceKeepsWhatIsThere()
    {
        QVector<int> room;
        room.reserve(int(3 * HugePages::kPageSize / sizeof(int)));
        for (int i = 0; i < room.capacity(); ++i)
            room.append(i ^ 0x5a5a);
        HugePages::adviseRoom(room);
        HugePages::advise(room.data() + 1, std::size_t(room.size() - 1) * sizeof(int));
        for (int i = 0; i < room.size(); ++i) {
            if (room.at(i) != (i ^ 0x5a5a))
                QFAIL(qPrintable(QStringLiteral("element %1 changed").arg(i)));
        }
        QVector<int> none;
        HugePages::adviseRoom(none);
        QVERIFY(none.isEmpty());
    }

    // A vector grows from the heap's small blocks into huge pages and back
    // into a small block: each move keeps the elements, and each block goes
    // back the way it came (a mismatch aborts under the sanitizers).
    void vectorGrowsAcrossTheHugePageSize()
    {
        std::vector<quint64, HugePageAllocator<quint64>> values;
        const std::size_t count = 2 * HugePages::kPageSize / sizeof(quint64) + 17;
        for (std::size_t i = 0; i < count; ++i)
            values.push_back(i * 31);
        for (std::size_t i = 0; i < count; ++i) {
            if (values[i] != i * 31)
                QFAIL("a value was lost as the vector grew");
        }
        values.resize(10);
        values.shrink_to_fit();
        QCOMPARE(values.size(), std::size_t(10));
        QCOMPARE(values[9], quint64(9 * 31));
    }
};

QTEST_GUILESS_MAIN(HugePagesTest)
#include "HugePagesTest.moc"
