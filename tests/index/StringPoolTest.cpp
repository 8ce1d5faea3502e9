#include "index/StringPool.h"

#include <QTest>

#include <cstring>
#include <thread>
#include <vector>

namespace {

// QCOMPARE on char pointers compares the strings; these tests are about which bytes a pointer addresses.
inline const void *address(const char *p)
{
    return p;
}

} // namespace

class StringPoolTest : public QObject
{
    Q_OBJECT

private slots:
    void sameTextSamePointer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("non-ascii") << QStringLiteral("\u00c4rger \u65e5\u672c.txt");
        QTest::newRow("long") << QString(5000, QLatin1Char('x'));
    }

    void sameTextSamePointer()
    {
        QFETCH(QString, text);
        StringPool pool;
        pool.intern(QStringLiteral("something else"));
        const QByteArray utf8 = text.toUtf8();
        const char *first = pool.intern(utf8.constData());
        QVERIFY(first != utf8.constData());
        QCOMPARE(QByteArray(first), utf8);
        QCOMPARE(address(pool.intern(utf8.constData())), address(first));
        QCOMPARE(address(pool.intern(text)), address(first));
        QCOMPARE(pool.size(), std::size_t(2));
    }

    // Without its table the pool keeps every string and pointer handed out;
    // interning still works (singly and in batches), each time as a copy.
    void droppedIndexKeepsStrings()
    {
        StringPool pool;
        std::vector<const char *> before;
        for (int i = 0; i < 5000; ++i)
            before.push_back(pool.intern(QByteArray::number(i).constData()));
        const std::size_t held = pool.reservedBytes();
        pool.dropIndex();
        QVERIFY(pool.reservedBytes() + 5000 * sizeof(void *) <= held);
        for (int i = 0; i < 5000; ++i)
            QCOMPARE(QByteArray(before[std::size_t(i)]), QByteArray::number(i));
        const char *again = pool.intern("17");
        QCOMPARE(QByteArray(again), QByteArray("17"));
        QVERIFY(address(again) != address(before[17]));
        const char *texts[] = {"a", nullptr, "a"};
        const char *interned[3];
        pool.intern(texts, 3, interned);
        QCOMPARE(QByteArray(interned[0]), QByteArray("a"));
        QVERIFY(!interned[1]);
        QCOMPARE(pool.size(), std::size_t(5003));
    }

    // Interning many at once gives the pointers interning one by one gives,
    // across growth of the index, with repeats inside one batch.
    void batchInterningMatchesSingleInterning()
    {
        StringPool pool;
        const char *known = pool.intern("known");
        QList<QByteArray> texts;
        for (int i = 0; i < 20000; ++i)
            texts << QByteArray::number(i % 7000) + ".txt";
        texts << "known";
        pool.reserve(std::size_t(texts.size()) / 2);
        std::vector<const char *> pointers;
        for (const QByteArray &text : qAsConst(texts))
            pointers.push_back(text.constData());
        pointers.push_back(nullptr);
        pool.intern(pointers.data(), pointers.size(), pointers.data());
        QVERIFY(pointers.back() == nullptr);
        QCOMPARE(address(pointers[std::size_t(texts.size()) - 1]), address(known));
        for (int i = 0; i < texts.size(); ++i) {
            QCOMPARE(QByteArray(pointers[std::size_t(i)]), texts[i]);
            QCOMPARE(address(pool.intern(texts[i].constData())), address(pointers[std::size_t(i)]));
        }
        QCOMPARE(pool.size(), std::size_t(7001));
    }

    void equalHashesStayDistinct()
    {
        // "xwlo" and "0qda" share the FNV-1 hash 0x0ee88461.
        QCOMPARE(StringPool::hash("xwlo"), StringPool::hash("0qda"));
        StringPool pool;
        const char *first = pool.intern("xwlo");
        const char *second = pool.intern("0qda");
        QVERIFY(first != second);
        QCOMPARE(QByteArray(second), QByteArray("0qda"));
        QCOMPARE(address(pool.intern("xwlo")), address(first));
        QCOMPARE(address(pool.intern("0qda")), address(second));
        QCOMPARE(pool.size(), std::size_t(2));
    }

    void stringsArePackedAndTheIndexStaysSmall()
    {
        StringPool pool;
        const int count = 50000;
        std::size_t stringBytes = 0;
        for (int i = 0; i < count; ++i)
            stringBytes += std::strlen(pool.intern(QByteArray::number(i * 7919).constData())) + 1;
        QCOMPARE(pool.size(), std::size_t(count));
        // Strings back to back in the arena, nothing else in it.
        QCOMPARE(pool.usedBytes(), stringBytes);
        // One heap block per megabyte, plus an index of 16-byte slots kept
        // between 35 % and 70 % full: under 48 bytes a name.
        QVERIFY(pool.reservedBytes() < stringBytes + BlockArena::kBlockSize + 1024 + count * 48);
    }

    void concurrentInterningKeepsIdentity()
    {
        const int threadCount = 8;
        const int nameCount = 4096; // a power of two: every odd step visits each name once
        std::vector<QByteArray> names;
        for (int i = 0; i < nameCount; ++i)
            names.push_back(QStringLiteral("n\u00e4me-%1.txt").arg(i).toUtf8());

        StringPool pool;
        // The even names exist before the threads start: every thread must get exactly these pointers.
        std::vector<const char *> seeded(nameCount, nullptr);
        for (int i = 0; i < nameCount; i += 2)
            seeded[i] = pool.intern(names[i].constData());

        // results[thread][pass][name]; each thread interns in an order of its own, twice.
        std::vector<std::vector<std::vector<const char *>>> results(
            threadCount, std::vector<std::vector<const char *>>(2, std::vector<const char *>(nameCount)));
        std::vector<std::thread> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back([&, t] {
                for (int pass = 0; pass < 2; ++pass) {
                    for (int n = 0; n < nameCount; ++n) {
                        const int i = (n * (2 * t + 1) + t * 97) % nameCount;
                        results[t][pass][i] = pool.intern(names[i].constData());
                    }
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();

        for (int i = 0; i < nameCount; ++i) {
            const char *final = pool.intern(names[i].constData());
            QCOMPARE(QByteArray(final), names[i]);
            if (seeded[i])
                QCOMPARE(address(final), address(seeded[i]));
            for (int t = 0; t < threadCount; ++t) {
                const char *firstPass = results[t][0][i];
                QCOMPARE(QByteArray(firstPass), names[i]);
                if (seeded[i])
                    QCOMPARE(address(firstPass), address(seeded[i]));
                // Once a thread has interned a name, every later call returns the pool's first copy.
                QCOMPARE(address(results[t][1][i]), address(final));
            }
        }
        QVERIFY(pool.size() >= std::size_t(nameCount));
        QVERIFY(pool.size() <= std::size_t(nameCount / 2 + threadCount * nameCount / 2));
    }
};

QTEST_APPLESS_MAIN(StringPoolTest)
#include "StringPoolTest.moc"
