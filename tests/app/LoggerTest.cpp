#include "app/Logger.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTime>

#include <thread>
#include <vector>

class LoggerTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray readBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Decodes UTF-16LE after checking the byte-order mark.
    static QString readLog(const QString &path)
    {
        const QByteArray bytes = readBytes(path);
        if (bytes.size() < 2 || quint8(bytes[0]) != 0xFF || quint8(bytes[1]) != 0xFE)
            return QStringLiteral("<no BOM>");
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    }

private slots:
    void formatLine_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded millis") << QTime(9, 5, 7, 12) << int(INFO)
                                       << QStringLiteral("09:05:07:012 42\tINFO\tNTFSDB\thello\r\n");
        QTest::newRow("warning") << QTime(23, 59, 59, 999) << int(WARNING)
                                 << QStringLiteral("23:59:59:999 42\tWARNING\tNTFSDB\thello\r\n");
        QTest::newRow("error") << QTime(0, 0, 0, 0) << int(ERROR)
                               << QStringLiteral("00:00:00:000 42\tERROR\tNTFSDB\thello\r\n");
        QTest::newRow("debug") << QTime(12, 0, 1, 100) << int(DEBUG)
                               << QStringLiteral("12:00:01:100 42\tDEBUG\tNTFSDB\thello\r\n");
        QTest::newRow("unknown level is empty") << QTime(1, 2, 3, 4) << 7
                                                << QStringLiteral("01:02:03:004 42\t\tNTFSDB\thello\r\n");
    }

    void formatLine()
    {
        QFETCH(QTime, time);
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(Logger::formatLine(time, 42, level, "NTFSDB", QStringLiteral("hello")), expected);
    }

    void writesBomAndUtf16Text()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.log"));
        {
            Logger logger(path);
            logger.log(INFO, "main", QStringLiteral("Grüße ✓ 𝄞"));
            logger.log(DEBUG, "main", "ascii bytes");
            logger.log(WARNING, "main", std::wstring(L"wide \u00e9"));
        }
        const QByteArray bytes = readBytes(path);
        QCOMPARE(quint8(bytes[0]), quint8(0xFF));
        QCOMPARE(quint8(bytes[1]), quint8(0xFE));
        const QStringList lines = readLog(path).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4); // three entries and the empty rest after the last CR LF
        QVERIFY(lines[0].endsWith(QStringLiteral("\tINFO\tmain\tGrüße ✓ 𝄞")));
        QVERIFY(lines[1].endsWith(QStringLiteral("\tDEBUG\tmain\tascii bytes")));
        QVERIFY(lines[2].endsWith(QStringLiteral("\tWARNING\tmain\twide é")));
        const QRegularExpression shape(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d \\d+\\t"));
        QVERIFY2(shape.match(lines[0]).hasMatch(), qPrintable(lines[0]));
    }

    void entriesAreOnDiskWithoutClosing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("live.log"));
        Logger logger(path);
        logger.log(INFO, "main", "first");
        // Read while the logger is still open: a crash right now must lose nothing.
        QVERIFY(readLog(path).endsWith(QStringLiteral("\tINFO\tmain\tfirst\r\n")));
    }

    void threadIdIsTheKernelId()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tid.log"));
        Logger logger(path);
        qint64 otherTid = 0;
        std::thread t([&] {
            otherTid = QFile::symLinkTarget(QStringLiteral("/proc/thread-self"))
                           .section(QLatin1Char('/'), -1)
                           .toLongLong();
            logger.log(INFO, "main", "from thread");
        });
        t.join();
        QVERIFY(otherTid > 0);
        const QString line = readLog(path);
        QVERIFY2(line.section(QLatin1Char('\t'), 0, 0).section(QLatin1Char(' '), 1).toLongLong() == otherTid,
                 qPrintable(line));
    }

    void concurrentLinesStayWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mt.log"));
        Logger logger(path);
        const int kThreads = 4;
        const int kPerThread = 500;
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
        QStringList lines = readLog(path).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), kThreads * kPerThread);
        const QRegularExpression whole(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d:\\d{3} \\d+\\tINFO\\tmt\\t([a-d])\\1{199}-\\d+$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(80)));
    }

    void secondRunTruncates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.log"));
        {
            Logger first(path);
            for (int i = 0; i < 10; ++i)
                first.log(INFO, "main", "old run");
        }
        {
            Logger second(path);
            second.log(INFO, "main", "new run");
        }
        const QString text = readLog(path);
        QVERIFY(!text.contains(QStringLiteral("old run")));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 1);
    }

    void createsMissingFolders()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a/b/Talvenquist.log"));
        Logger logger(path);
        logger.log(INFO, "main", "x");
        QVERIFY(readLog(path).endsWith(QStringLiteral("\tx\r\n")));
    }

    void unopenableFileDropsEntriesSilently()
    {
        QTemporaryDir dir;
        // A folder in the way: the file cannot be opened for writing.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("busy.log")));
        Logger logger(dir.filePath(QStringLiteral("busy.log")));
        logger.log(ERROR, "main", "dropped");
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("busy.log"))).isDir());
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "LoggerTest.moc"
