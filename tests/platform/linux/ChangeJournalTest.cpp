#include "platform/linux/ChangeJournal.h"
#include "platform/linux/IChangeJournalReader.h"

#include <QSignalSpy>
#include <QtTest>

#include <condition_variable>
#include <mutex>

namespace {

// Reports two changes when asked to catch up, one more when asked to wait,
// then blocks as a kernel read does until cancelled (or, refusing, released).
class FakeReader : public QObject, public IChangeJournalReader
{
    Q_OBJECT
public:
    explicit FakeReader(bool honoursCancel) : m_honoursCancel(honoursCancel) {}

    USN read(USN startUsn, bool wait) override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_calls.append({startUsn, wait, QThread::currentThread()->objectName()});
        }
        if (!wait) {
            emit fileAdded(100, 5, QStringLiteral("added"), false, 10);
            emit fileRenamed(100, 6, QStringLiteral("renamed"), false, 11);
            return 11;
        }
        emit fileDeleted(101, true, 20);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_blocked = true;
        m_wake.wait(lock, [this] { return m_canceled || m_released; });
        lock.unlock();
        emit fileAdded(102, 5, QStringLiteral("late"), false, 30);
        return 30;
    }

    bool cancel() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_honoursCancel)
            return false;
        m_canceled = true;
        m_wake.notify_all();
        return true;
    }

    void release()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_released = true;
        m_wake.notify_all();
    }

    bool isBlocked()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_blocked;
    }

    struct Call
    {
        USN start;
        bool wait;
        QString thread;
    };
    QVector<Call> calls()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileDeleted(FRN frn, bool isFolder, USN nextUsn) override;

private:
    const bool m_honoursCancel;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_canceled = false;
    bool m_released = false;
    bool m_blocked = false;
    QVector<Call> m_calls;
};

} // namespace

class ChangeJournalTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<FRN>("FRN");
        qRegisterMetaType<USN>("USN");
    }

    void relaysAndRemembersPosition()
    {
        auto *reader = new FakeReader(/*honoursCancel=*/true);
        ChangeJournal journal;
        journal.setReader(QLatin1Char('Q'), reader);
        QSignalSpy added(&journal, &ChangeJournal::fileAdded);
        QSignalSpy renamed(&journal, &ChangeJournal::fileRenamed);
        QSignalSpy deleted(&journal, &ChangeJournal::fileDeleted);

        journal.start(7);
        // The catch-up ran on this thread, before start() returned.
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0), (QList<QVariant>{QVariant::fromValue<FRN>(100), QVariant::fromValue<FRN>(5),
                                               QStringLiteral("added"), false}));
        QCOMPARE(renamed.at(0).at(2).toString(), QStringLiteral("renamed"));
        QTRY_VERIFY(reader->isBlocked());
        QCOMPARE(deleted.count(), 1);

        const QVector<FakeReader::Call> calls = reader->calls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.at(0).start, USN(7));
        QVERIFY(!calls.at(0).wait && calls.at(0).thread != QLatin1String("MONITOR_Q"));
        // The monitor thread follows on from where the catch-up ended.
        QCOMPARE(calls.at(1).start, USN(11));
        QVERIFY(calls.at(1).wait && calls.at(1).thread == QLatin1String("MONITOR_Q"));

        // The change reported while stopping is relayed before the thread ends.
        QCOMPARE(journal.stop(), USN(30));
        QCOMPARE(added.count(), 2);
        // A stopped monitor stays stopped.
        journal.start(40);
        QCOMPARE(reader->calls().size(), 2);
        QCOMPARE(journal.stop(), USN(30));
    }

    void stopWithoutCancelDisconnects()
    {
        auto *reader = new FakeReader(/*honoursCancel=*/false);
        ChangeJournal journal;
        journal.setReader(QLatin1Char('R'), reader);
        QSignalSpy added(&journal, &ChangeJournal::fileAdded);
        journal.start(0);
        QTRY_VERIFY(reader->isBlocked());
        // The reader cannot be interrupted: stop must not wait for it, and what
        // it reports later must not reach the database any more.
        QCOMPARE(journal.stop(), USN(20));
        reader->release();
        QTest::qWait(100);
        QCOMPARE(added.count(), 1);
        QCOMPARE(journal.stop(), USN(20));
    }
};

QTEST_GUILESS_MAIN(ChangeJournalTest)
#include "ChangeJournalTest.moc"
