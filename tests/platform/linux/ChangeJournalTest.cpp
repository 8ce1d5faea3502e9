#include "platform/linux/ChangeJournal.h"
#include "platform/linux/IChangeJournalReader.h"

#include <QSignalSpy>
#include <QtTest>

#include <condition_variable>
#include <mutex>

namespace {

// Reports two changes when asked to catch up, one more when asked to wait,
// then blocks as a kernel read does until cancelled.
class FakeReader : public QObject, public IChangeJournalReader
{
    Q_OBJECT
public:
    USN read(USN startUsn, bool wait) override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_calls.append({startUsn, wait});
        }
        if (!wait) {
            emit fileAdded(100, 5, QStringLiteral("added"), false, 10);
            emit fileRenamed(100, 6, QStringLiteral("renamed"), false, 11);
            return 11;
        }
        emit fileDeleted(101, true, 20);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_blocked = true;
        m_wake.wait(lock, [this] { return m_canceled; });
        lock.unlock();
        emit fileAdded(102, 5, QStringLiteral("late"), false, 30);
        return 30;
    }

    bool cancel() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_canceled = true;
        m_wake.notify_all();
        return true;
    }

    bool isBlocked()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_blocked;
    }

    QVector<QPair<USN, bool>> calls()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileDeleted(FRN frn, bool isFolder, USN nextUsn) override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_canceled = false;
    bool m_blocked = false;
    QVector<QPair<USN, bool>> m_calls;
};

} // namespace

class ChangeJournalTest : public QObject
{
    Q_OBJECT
private slots:
    void relaysAndRemembersPosition()
    {
        qRegisterMetaType<FRN>("FRN");
        auto *reader = new FakeReader;
        ChangeJournal journal;
        journal.setReader(QLatin1Char('Q'), reader);
        QSignalSpy added(&journal, &ChangeJournal::fileAdded);
        QSignalSpy renamed(&journal, &ChangeJournal::fileRenamed);
        QSignalSpy deleted(&journal, &ChangeJournal::fileDeleted);

        journal.start(7);
        // The catch-up ran before start() returned.
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0), (QList<QVariant>{QVariant::fromValue<FRN>(100), QVariant::fromValue<FRN>(5),
                                               QStringLiteral("added"), false}));
        QCOMPARE(renamed.at(0).at(2).toString(), QStringLiteral("renamed"));
        QTRY_VERIFY(reader->isBlocked());
        QCOMPARE(deleted.count(), 1);
        // The monitor thread follows on from where the catch-up ended.
        QCOMPARE(reader->calls(), (QVector<QPair<USN, bool>>{{7, false}, {11, true}}));

        // The change reported while stopping is relayed before the thread ends.
        QCOMPARE(journal.stop(), USN(30));
        QCOMPARE(added.count(), 2);
    }
};

QTEST_GUILESS_MAIN(ChangeJournalTest)
#include "ChangeJournalTest.moc"
