#include "strings/StringPool.h"

#include <QTest>

#include <cstring>
#include <set>
#include <thread>
#include <vector>

class StringPoolTest : public QObject
{
    Q_OBJECT

private slots:
    // Interning many at once gives the pointers interning one by one gives,
    // across growth of the index, with repeats inside one batch.
    void batchInterningMatchesSingleInterning()
    {
        StringPool pool;
        const char *known = pool.intern(QStringLiteral("known"));
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
        QVERIFY(pointers[std::size_t(texts.size()) - 1] == known);
        for (int i = 0; i < texts.size(); ++i) {
            QCOMPARE(QByteArray(pointers[std::size_t(i)]), texts[i]);
            QVERIFY(pool.intern(texts[i].constData()) == pointers[std::size_t(i)]);
        }
        QCOMPARE(pool.size(), std::size_t(7001));
    }

    // The spans hold every stored string once, each at the pointer interning gave, and nothing else: not the
    // unwritten tail a new block leaves behind, across ordinary blocks and one made for a very long string.
    void spansHoldExactlyTheStrings()
    {
        StringPool pool;
        std::set<const char *> interned;
        for (int i = 0; i < 120000; ++i) {
            interned.insert(pool.intern(QByteArray::number(i).append(i % 3 ? ".c" : ".header").constData()));
            if (i == 60000)
                interned.insert(pool.intern(QByteArray(2 * 1024 * 1024, 'y').constData()));
        }
        std::set<const char *> walked;
        for (const StringPool::Span &span : pool.spans()) {
            for (const char *text = span.first; text < span.last; text += std::strlen(text) + 1) {
                QVERIFY(text + std::strlen(text) < span.last);
                QVERIFY(walked.insert(text).second);
            }
        }
        QCOMPARE(walked.size(), interned.size());
        QVERIFY(walked == interned);
    }

    void equalHashesStayDistinct()
    {
        // "af2s" and "chcp" share the hash 0x74aebfe1.
        QCOMPARE(StringPool::hash("af2s"), StringPool::hash("chcp"));
        StringPool pool;
        const char *first = pool.intern("af2s");
        const char *second = pool.intern("chcp");
        QCOMPARE(QByteArray(first), QByteArray("af2s"));
        QCOMPARE(QByteArray(second), QByteArray("chcp"));
        QVERIFY(pool.intern("af2s") == first);
    }

    // Without its table the pool keeps every string handed out; interning still works, each time as a copy.
    void droppedIndexKeepsStrings()
    {
        StringPool pool;
        std::vector<const char *> before;
        for (int i = 0; i < 5000; ++i)
            before.push_back(pool.intern(QByteArray::number(i).constData()));
        pool.dropIndex();
        for (int i = 0; i < 5000; ++i)
            QCOMPARE(QByteArray(before[std::size_t(i)]), QByteArray::number(i));
        const char *again = pool.intern("17");
        QCOMPARE(QByteArray(again), QByteArray("17"));
        QVERIFY(again != before[17]);
    }

    // A text passed again straight after itself (one folder's many files) is taken once, with or without the
    // table: the index service's unshared names are stored as they come, but not once per file of a folder.
    void batchRepeatsAreTakenOnce()
    {
        for (const bool indexed : {true, false}) {
            StringPool pool;
            if (!indexed)
                pool.dropIndex();
            const QByteArray folder("/usr/share/doc");
            const QByteArray other("/usr/share/doc"); // equal, but not the same pointer
            std::vector<const char *> texts{folder.constData(), folder.constData(), folder.constData(),
                                            other.constData(), nullptr, folder.constData()};
            std::vector<const char *> interned(texts.size());
            pool.intern(texts.data(), texts.size(), interned.data());
            QVERIFY(interned[0] == interned[1] && interned[1] == interned[2]);
            QVERIFY(interned[4] == nullptr);
            for (const std::size_t i : {0, 3, 5})
                QCOMPARE(QByteArray(interned[i]), folder);
            // With the table, equal texts share one copy; without, each run of one pointer has its own.
            QCOMPARE(pool.size(), std::size_t(indexed ? 1 : 3));
            QCOMPARE(interned[3] == interned[0], indexed);
        }
    }

    // Threads interning the same names in orders of their own: a race may store a new name twice, but a name
    // stored before, or interned again, is the pool's first copy.
    void concurrentInterningKeepsIdentity()
    {
        const int threadCount = 8;
        const int nameCount = 4096; // a power of two: every odd step visits each name once
        std::vector<QByteArray> names;
        for (int i = 0; i < nameCount; ++i)
            names.push_back(QStringLiteral("n\u00e4me-%1.txt").arg(i).toUtf8());
        StringPool pool;
        std::vector<const char *> seeded(nameCount, nullptr);
        for (int i = 0; i < nameCount; i += 2)
            seeded[i] = pool.intern(names[i].constData());
        // results[thread][pass][name]
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
            QVERIFY(!seeded[i] || final == seeded[i]);
            for (int t = 0; t < threadCount; ++t) {
                QCOMPARE(QByteArray(results[t][0][i]), names[i]);
                QVERIFY(!seeded[i] || results[t][0][i] == seeded[i]);
                QVERIFY(results[t][1][i] == final);
            }
        }
    }
};

QTEST_APPLESS_MAIN(StringPoolTest)
#include "StringPoolTest.moc"
