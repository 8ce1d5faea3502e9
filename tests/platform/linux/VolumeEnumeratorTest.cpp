#include "platform/linux/VolumeEnumerator.h"

#include "platform/linux/SysCall.h"
#include "search/FileSearchCancelException.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fcntl.h>

namespace {

struct Record
{
    std::uint64_t ino;
    std::uint64_t parent;
    QByteArray name;
    bool isDir;
    bool operator==(const Record &o) const
    {
        return ino == o.ino && parent == o.parent && name == o.name && isDir == o.isDir;
    }
};

uint qHash(const Record &r)
{
    return ::qHash(r.ino) ^ ::qHash(r.name);
}

class RecordingSink : public VolumeWalker::Sink
{
public:
    void entry(std::uint64_t ino, std::uint64_t parentIno, const char *name, std::size_t size, bool isDir) override
    {
        offThread = offThread || QThread::currentThread() != qApp->thread();
        records.append(Record{ino, parentIno, QByteArray(name, int(size)), isDir});
    }
    QList<Record> records;
    bool offThread = false;
};

} // namespace

// The threaded walk must report the same entries, each once, whatever the
// number of threads, and only on the calling thread.
class VolumeEnumeratorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Wide and deep at once, so that idle threads are given folders at many levels.
        QDir root(m_dir.path());
        for (int i = 0; i < 40; ++i) {
            const QString branch = QStringLiteral("b%1/c%2/d%3").arg(i).arg(i % 7).arg(i % 3);
            QVERIFY(root.mkpath(branch));
            for (int j = 0; j < 60; ++j) {
                QFile file(root.filePath(branch + QStringLiteral("/f%1").arg(j)));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
    }

    void sameEntriesWithAnyNumberOfThreads_data()
    {
        QTest::addColumn<int>("threads");
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
    }

    void sameEntriesWithAnyNumberOfThreads()
    {
        QFETCH(int, threads);
        const QList<Record> single = walk(1);
        QCOMPARE(single.size(), 40 * 60 + 40 + 40 * 2);
        for (int round = 0; round < 3; ++round) {
            bool offThread = true;
            const QList<Record> parallel = walk(threads, &offThread);
            QVERIFY(!offThread);
            QCOMPARE(parallel.size(), single.size());
            const QSet<Record> unique(parallel.begin(), parallel.end());
            QCOMPARE(unique.size(), parallel.size());
            QCOMPARE(unique, QSet<Record>(single.begin(), single.end()));
        }
    }

    void cancelFromTheReceiver()
    {
        class CancelingSink : public VolumeWalker::Sink
        {
        public:
            void entry(std::uint64_t, std::uint64_t, const char *, std::size_t, bool) override
            {
                // The walkers read the flag on other threads.
                if (++count == 100)
                    cancel = true;
            }
            CancelFlag cancel{false};
            int count = 0;
        };
        CancelingSink sink;
        FileDescriptor root = sysOpenAt(AT_FDCWD, QFile::encodeName(m_dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        VolumeEnumerator enumerator(std::move(root), m_dir.path(), &sink.cancel, 2);
        QVERIFY_EXCEPTION_THROWN(enumerator.run(sink), FileSearchCancelException);
        QCOMPARE(sink.count, 100); // nothing reported after the cancel
    }

private:
    QList<Record> walk(int threads, bool *offThread = nullptr);
    QTemporaryDir m_dir;
};

QList<Record> VolumeEnumeratorTest::walk(int threads, bool *offThread)
{
    FileDescriptor root = sysOpenAt(AT_FDCWD, QFile::encodeName(m_dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    VolumeEnumerator enumerator(std::move(root), m_dir.path(), nullptr, threads);
    RecordingSink sink;
    enumerator.run(sink);
    if (offThread)
        *offThread = sink.offThread;
    return sink.records;
}

QTEST_GUILESS_MAIN(VolumeEnumeratorTest)
#include "VolumeEnumeratorTest.moc"
