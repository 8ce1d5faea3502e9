#include "base/FileSearchCancelException.h"
#include "search/FileSearcherWorker.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// An exception escaping a search thread would end the program; a cancel is no failure.
class FileSearcherWorkerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;

private slots:
    void initTestCase() { m_logPath = TestFiles::startLog(m_dir); }

    void exceptionsAreLoggedOnce_data()
    {
        QTest::addColumn<bool>("canceled");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("message");
        QTest::newRow("canceled") << true << "INFO" << "File: FileSearch, line: 10, Request 3 canceled";
        QTest::newRow("failed") << false << "ERROR" << "File: NTFSDB, line: 5, broken";
    }

    void exceptionsAreLoggedOnce()
    {
        QFETCH(bool, canceled);
        QFETCH(QString, level);
        QFETCH(QString, message);
        FileSearcherWorker worker([canceled] {
            if (canceled)
                throw FileSearchCancelException(QStringLiteral("FileSearch"), 10, QStringLiteral("Request 3 canceled"));
            throw FileSearchException(QStringLiteral("NTFSDB"), 5, QStringLiteral("broken"));
        });
        const LogMark log(m_logPath);
        worker.start();
        QVERIFY(worker.wait(5000));
        QCOMPARE(log.lines().size(), 1);
        QVERIFY2(log.has(level, QStringLiteral("FileSearcherWorker"), message), qPrintable(log.lines().first()));
        QCOMPARE(worker.failed(), !canceled);
        QCOMPARE(worker.errorText(), canceled ? QString() : message);
    }
};

QTEST_GUILESS_MAIN(FileSearcherWorkerTest)
#include "FileSearcherWorkerTest.moc"
