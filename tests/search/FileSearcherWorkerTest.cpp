#include "search/FileSearchCancelException.h"
#include "search/FileSearcherWorker.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Task = std::function<void()>;
Q_DECLARE_METATYPE(Task)

class FileSearcherWorkerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;

private slots:
    void initTestCase() { m_logPath = TestFiles::startLog(m_dir); }

    // A canceled search is no failure; anything else that escapes the task
    // is logged once and marks the worker, and the process goes on.
    void exceptionsAreLoggedOnce_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("failed");
        QTest::newRow("canceled") << Task([] {
            throw FileSearchCancelException(QStringLiteral("FileSearch"), 10, QStringLiteral("Request 3 canceled"));
        }) << "INFO" << "File: FileSearch, line: 10, Request 3 canceled" << false;
        QTest::newRow("failed") << Task([] {
            throw FileSearchException(QStringLiteral("NTFSDB"), 5, QStringLiteral("broken"));
        }) << "ERROR" << "File: NTFSDB, line: 5, broken" << true;
        QTest::newRow("foreign exception") << Task([] { throw std::runtime_error("bad alloc-ish"); }) << "ERROR"
                                           << "bad alloc-ish" << true;
    }

    void exceptionsAreLoggedOnce()
    {
        QFETCH(Task, task);
        QFETCH(QString, level);
        QFETCH(QString, message);
        QFETCH(bool, failed);
        FileSearcherWorker worker(task);
        worker.setObjectName(QStringLiteral("FIND"));
        const LogMark log(m_logPath);
        worker.start();
        QVERIFY(worker.wait(5000));
        QCOMPARE(log.lines().size(), 1);
        QVERIFY2(log.has(level, QStringLiteral("FileSearcherWorker"), message), qPrintable(log.lines().first()));
        QCOMPARE(worker.failed(), failed);
        if (failed)
            QCOMPARE(worker.errorText(), message);
    }
};

QTEST_GUILESS_MAIN(FileSearcherWorkerTest)
#include "FileSearcherWorkerTest.moc"
