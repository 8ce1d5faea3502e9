#include "base/Logger.h"

#include "platform/linux/CrashHandler.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QProcess>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

class LoggerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The text after the byte-order mark, which must be there.
    static QString readLog(const QString &path)
    {
        const QByteArray bytes = TestFiles::read(path);
        return bytes.startsWith("\xff\xfe") ? TestFiles::fromUtf16LE(bytes.mid(2)) : QStringLiteral("<no BOM>");
    }

private slots:
    // Before any entry: the zone is read once, at the first.
    void initTestCase() { qputenv("TZ", "TVQ-5:45"); }

    void formatLine_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("thread");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded millis") << QTime(9, 5, 7, 12) << int(INFO) << qint64(42)
                                       << "09:05:07:012 42\tINFO\tNTFSDB\thello\r\n";
        QTest::newRow("unknown level is empty") << QTime(1, 2, 3, 4) << 7 << qint64(42)
                                                << "01:02:03:004 42\t\tNTFSDB\thello\r\n";
        QTest::newRow("midnight, long thread id") << QTime(0, 0, 0, 0) << int(WARNING) << qint64(4194304)
                                                  << "00:00:00:000 4194304\tWARNING\tNTFSDB\thello\r\n";
        QTest::newRow("last millisecond, thread 0") << QTime(23, 59, 59, 999) << int(ERROR) << qint64(0)
                                                     << "23:59:59:999 0\tERROR\tNTFSDB\thello\r\n";
    }

    void formatLine()
    {
        QFETCH(QTime, time);
        QFETCH(int, level);
        QFETCH(qint64, thread);
        QFETCH(QString, expected);
        QCOMPARE(Logger::formatLine(time, thread, level, "NTFSDB", QStringLiteral("hello")), expected);
    }

    // A new run starts afresh, though written over a longer log of an earlier run; a warning takes the entries
    // before it to disk at once, without waiting for more. Entries carry the local time of day: the zone here is
    // UTC+5:45, so a time in UTC or whole hours off shows.
    void writesBomAndUtf16Text()
    {
        const QString path = m_dir.filePath(QStringLiteral("a/b/Talvenquist.log"));
        {
            Logger old(path);
            for (int i = 0; i < 200; ++i)
                old.log(INFO, "main", "old run");
        }
        Logger logger(path);
        const QTime before = QTime::currentTime();
        logger.log(INFO, "main", QStringLiteral("Grüße ✓ 𝄞"));
        const QTime after = QTime::currentTime();
        logger.log(DEBUG, "main", "ascii bytes");
        logger.log(WARNING, "main", std::wstring(L"wide \u00e9"));
        const QStringList lines = readLog(path).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4); // three entries and the empty rest after the last CR LF
        QVERIFY(lines[0].endsWith(QStringLiteral("\tINFO\tmain\tGrüße ✓ 𝄞")));
        const QTime logged = QTime::fromString(lines[0].left(12), QStringLiteral("hh:mm:ss:zzz"));
        QVERIFY2((before <= logged && logged <= after) || after < before, qPrintable(lines[0]));
        QVERIFY(lines[1].endsWith(QStringLiteral("\tDEBUG\tmain\tascii bytes")));
        QVERIFY(lines[2].endsWith(QStringLiteral("\tWARNING\tmain\twide é")));
    }

    void concurrentLinesStayWhole()
    {
        const QString path = m_dir.filePath(QStringLiteral("mt.log"));
        const int kThreads = 4;
        const int kPerThread = 500;
        {
            Logger logger(path); // its end writes what is left
            std::vector<std::thread> threads;
            for (int t = 0; t < kThreads; ++t) {
                threads.emplace_back([&logger, t] {
                    const QString body = QString(200, QChar(u'a' + t));
                    for (int i = 0; i < kPerThread; ++i)
                        logger.log(INFO, "mt", QStringLiteral("%1-%2").arg(body).arg(i));
                });
            }
            for (auto &t : threads)
                t.join();
        }
        QStringList lines = readLog(path).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), kThreads * kPerThread);
        const QRegularExpression whole(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d:\\d{3} \\d+\\tINFO\\tmt\\t([a-d])\\1{199}-\\d+$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(80)));
    }

    // An entry that nothing follows still reaches the file while the program goes on.
    void idleEntriesReachTheFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("idle.log"));
        Logger logger(path);
        logger.log(INFO, "main", "waiting");
        QTRY_VERIFY_WITH_TIMEOUT(readLog(path).contains(QStringLiteral("\tINFO\tmain\twaiting\r\n")), 10000);
    }

    // The process-wide log of a program that ends, normally or by a crash, holds every entry made before.
    void programEndKeepsEveryEntry_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("crashes");
        QTest::newRow("return from main") << "exit" << false;
        QTest::newRow("abort") << "abort" << true;
        QTest::newRow("segmentation fault") << "segv" << true;
    }

    void programEndKeepsEveryEntry()
    {
        QFETCH(QString, ending);
        QFETCH(bool, crashes);
        const QString path = m_dir.filePath(ending + QStringLiteral(".log"));
        // The log of an earlier run, longer than this one's: none of it may be left behind the new entries.
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        const QString earlierText = QStringLiteral("\uFEFFearlier run\r\n").repeated(300);
        earlier.write(reinterpret_cast<const char *>(earlierText.utf16()), earlierText.size() * 2);
        earlier.close();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TVQ_LOGGER_CHILD"), ending);
        environment.insert(QStringLiteral("TVQ_LOGGER_PATH"), path);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus() == QProcess::CrashExit, crashes);
        const QString text = readLog(path);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(text.contains(QStringLiteral("\tINFO\tchild\tentry %1\r\n").arg(i)), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("\tINFO\tchild\tentry 2\r\n")), qPrintable(text.right(200)));
    }
};

namespace {

// The child of programEndKeepsEveryEntry: three entries, then its end.
int runChild(const QByteArray &ending)
{
    const QString path = qEnvironmentVariable("TVQ_LOGGER_PATH");
    const QByteArray report = QFile::encodeName(path + QStringLiteral(".crash"));
    installCrashHandler(report.constData());
    Logger *logger = Logger::instance(path);
    for (int i = 0; i < 3; ++i)
        logger->log(INFO, "child", QStringLiteral("entry %1").arg(i));
    if (ending == "abort")
        std::abort();
    if (ending == "segv")
        std::raise(SIGSEGV);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray ending = qgetenv("TVQ_LOGGER_CHILD");
    if (!ending.isEmpty())
        return runChild(ending);
    QCoreApplication app(argc, argv);
    LoggerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "LoggerTest.moc"
