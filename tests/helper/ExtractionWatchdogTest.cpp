#include "helper/ExtractionWatchdog.h"

#include <QStringList>
#include <QTest>

#include <mutex>

// The watchdog's time limits are tiny here; each check waits for the event it
// expects rather than for a time.
class ExtractionWatchdogTest : public QObject
{
    Q_OBJECT

    std::mutex m_mutex;
    QStringList m_expired;
    QStringList m_stuck;

    QStringList expired()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_expired;
    }
    QStringList stuck()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_stuck;
    }
    std::function<void(const QString &)> note(QStringList *list)
    {
        return [this, list](const QString &path) {
            std::lock_guard<std::mutex> lock(m_mutex);
            list->append(path);
        };
    }

private slots:
    void init()
    {
        m_expired.clear();
        m_stuck.clear();
    }

    // A reading that ends in time is never answered for, and the next
    // reading gets a whole limit of its own, counted from its own start.
    void onlyTheReadingThatOverrunsIsAnsweredFor()
    {
        ExtractionWatchdog watchdog(100, 60000, note(&m_expired), note(&m_stuck));
        const std::atomic<bool> &first = watchdog.begin(QStringLiteral("quick"));
        QVERIFY(watchdog.end());
        QVERIFY(!first);
        const std::atomic<bool> &second = watchdog.begin(QStringLiteral("slow"));
        QTRY_COMPARE(expired(), QStringList{QStringLiteral("slow")});
        QVERIFY(second);
        QVERIFY(!watchdog.end());
        QCOMPARE(stuck(), QStringList());

        // Served again after the overrun, with a fresh cancel flag.
        const std::atomic<bool> &third = watchdog.begin(QStringLiteral("again"));
        QVERIFY(!third);
        QTRY_COMPARE(expired(), (QStringList{QStringLiteral("slow"), QStringLiteral("again")}));
        QVERIFY(!watchdog.end());
    }

    void aReaderThatIgnoresItsCancelFlagIsReportedStuck()
    {
        ExtractionWatchdog watchdog(20, 20, note(&m_expired), note(&m_stuck));
        watchdog.begin(QStringLiteral("deaf"));
        QTRY_COMPARE(stuck(), QStringList{QStringLiteral("deaf")});
        QCOMPARE(expired(), QStringList{QStringLiteral("deaf")});
        QVERIFY(!watchdog.end());
    }
};

QTEST_GUILESS_MAIN(ExtractionWatchdogTest)
#include "ExtractionWatchdogTest.moc"
