#include "base/Logger.h"

#include "support/TestFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

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
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded millis") << QTime(9, 5, 7, 12) << int(INFO) << "09:05:07:012 42\tINFO\tNTFSDB\thello\r\n";
        QTest::newRow("unknown level is empty") << QTime(1, 2, 3, 4) << 7 << "01:02:03:004 42\t\tNTFSDB\thello\r\n";
    }

    void formatLine()
    {
        QFETCH(QTime, time);
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(Logger::formatLine(time, 42, level, "NTFSDB", QStringLiteral("hello")), expected);
    }

    // A new run starts afresh; entries are on disk before the logger closes, so a crash right after loses nothing.
    // Entries carry the local time of day: the zone here is UTC+5:45, so a time in UTC or whole hours off shows.
    void writesBomAndUtf16Text()
    {
        const QString path = m_dir.filePath(QStringLiteral("a/b/Talvenquist.log"));
        Logger(path).log(INFO, "main", "old run");
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
        const QRegularExpression whole(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d:\\d{3} \\d+\\tINFO\\tmt\\t([a-d])\\1{199}-\\d+$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(80)));
    }
};

QTEST_GUILESS_MAIN(LoggerTest)
#include "LoggerTest.moc"
