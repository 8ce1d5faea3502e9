#include "app/Logger.h"
#include "search/FileSearchCancelException.h"
#include "search/FileSearcherWorker.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class FileSearcherWorkerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;

    QStringList logLines() const { return TestFiles::logLines(m_logPath); }

    // Runs a task to completion and returns the log lines it added.
    QStringList runTask(std::function<void()> task, FileSearcherWorker **keep = nullptr)
    {
        const int before = logLines().size();
        auto *worker = new FileSearcherWorker(std::move(task), this);
        worker->setObjectName(QStringLiteral("FIND"));
        QSignalSpy finished(worker, &QThread::finished);
        worker->start();
        if (!finished.wait(5000))
            return {QStringLiteral("<not finished>")};
        if (keep)
            *keep = worker;
        return logLines().mid(before);
    }

private slots:
    void initTestCase()
    {
        m_logPath = m_dir.filePath(QStringLiteral("Talvenquist.log"));
        Logger::instance(m_logPath);
    }

    void exceptionTexts()
    {
        FileSearchException e(QStringLiteral("NTFSDriveDB"), 120, QStringLiteral("Skip loading"));
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("File: NTFSDriveDB, line: 120, Skip loading"));
        FileSearchCancelException c(QStringLiteral("FileSearch"), 7, QStringLiteral("Request %1 canceled").arg(42));
        QCOMPARE(QString::fromUtf8(c.what()), QStringLiteral("File: FileSearch, line: 7, Request 42 canceled"));
        const FileSearchException &asBase = c;
        QVERIFY(dynamic_cast<const FileSearchCancelException *>(&asBase));
    }

    void taskRunsOnItsOwnThread()
    {
        QThread *ranOn = nullptr;
        FileSearcherWorker *worker = nullptr;
        const QStringList added = runTask([&] { ranOn = QThread::currentThread(); }, &worker);
        QVERIFY(added.isEmpty());
        QCOMPARE(ranOn, worker);
        QVERIFY(!worker->failed());
    }

    void cancellationLogsOneInfoLine()
    {
        FileSearcherWorker *worker = nullptr;
        const QStringList added = runTask(
            [] { throw FileSearchCancelException(QStringLiteral("FileSearch"), 10, QStringLiteral("Request 3 canceled")); },
            &worker);
        QCOMPARE(added.size(), 1);
        QVERIFY2(added[0].endsWith(QStringLiteral("\tINFO\tFileSearcherWorker\tFile: FileSearch, line: 10, Request 3 canceled")),
                 qPrintable(added[0]));
        QVERIFY(!worker->failed());
    }

    void failureLogsOneErrorLineAndKeepsTheProcess()
    {
        FileSearcherWorker *worker = nullptr;
        const QStringList added = runTask(
            [] { throw FileSearchException(QStringLiteral("NTFSDB"), 5, QStringLiteral("broken")); }, &worker);
        QCOMPARE(added.size(), 1);
        QVERIFY2(added[0].endsWith(QStringLiteral("\tERROR\tFileSearcherWorker\tFile: NTFSDB, line: 5, broken")),
                 qPrintable(added[0]));
        QVERIFY(worker->failed());
        QCOMPARE(worker->errorText(), QStringLiteral("File: NTFSDB, line: 5, broken"));
    }

    void foreignExceptionsAreCaughtToo()
    {
        FileSearcherWorker *worker = nullptr;
        const QStringList added = runTask([] { throw std::runtime_error("bad alloc-ish"); }, &worker);
        QCOMPARE(added.size(), 1);
        QVERIFY(added[0].contains(QStringLiteral("\tERROR\tFileSearcherWorker\tbad alloc-ish")));
        QVERIFY(worker->failed());
    }
};

QTEST_GUILESS_MAIN(FileSearcherWorkerTest)
#include "FileSearcherWorkerTest.moc"
