#include "base/MetaTypes.h"
#include "content/Helper64.h"
#include "content/IFilter64Converter.h"
#include "helper/HelperProtocol.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <memory>

class Helper64Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
    QString m_temp;

    std::unique_ptr<Helper64> startHelper(const QString &mode)
    {
        qputenv("TVQ_STAND_IN_MODE", mode.toUtf8());
        return std::make_unique<Helper64>(m_temp, QStringLiteral(TVQ_STAND_IN_HELPER));
    }

    QStringList received() const
    {
        return QString::fromUtf8(TestFiles::read(m_temp + QStringLiteral("/received.txt")))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        registerMetaTypes();
        QVERIFY(m_dir.isValid());
        m_logPath = TestFiles::startLog(m_dir);
        m_temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(m_temp));
    }

    void init() { QFile::remove(m_temp + QStringLiteral("/received.txt")); }

    // Longer than one 260-character read: assembled whole.
    void longFilterList()
    {
        QList<IFilterInfo> many;
        for (int i = 0; i < 12; ++i)
            many << IFilterInfo{QStringLiteral("{%1-long-identifier}").arg(i), QStringLiteral("Filter %1").arg(i),
                                {QStringLiteral("e%1a").arg(i), QStringLiteral("e%1b").arg(i)}};
        const QString reply = HelperProtocol::formatFilterList(many);
        QVERIFY(reply.size() > 260);
        qputenv("TVQ_STAND_IN_FILTERS", reply.toUtf8());
        QCOMPARE(HelperProtocol::formatFilterList(startHelper(QStringLiteral("answer"))->installedFilters()), reply);
    }

    // Taken for converted text, a file elsewhere would be removed after the search.
    void refusesAFileOutsideTheTemporaryFolder()
    {
        const auto helper = startHelper(QStringLiteral("outside"));
        IFilter64Converter converter(helper.get());
        converter.setTempFolder(m_temp);
        QString output;
        QVERIFY(!converter.convert(m_dir.filePath(QStringLiteral("a.docx")), nullptr, &output, nullptr, {}, nullptr));
        QVERIFY(output.isEmpty());
    }

    // Through the engine, with the stand-in installed as the helper: once it hangs, the helper is refused for
    // the rest of the search rather than waited for again, and the next search starts a new one.
    void nextContentSearchRestartsTheHelper()
    {
        qputenv("TVQ_STAND_IN_MODE", "silent");
        qputenv("TVQ_STAND_IN_FILTERS", "1\n{a1}\nStand-in\n1\ndocx");
        auto first = std::make_shared<FileSearchResults>();
        auto second = std::make_shared<FileSearchResults>();
        FileSearcher searcher(m_temp, 0);
        ContentSearchSettings settings;
        settings.filters64 = searcher.helper64Filters();
        searcher.init(IndexingSettings(), settings);
        const QString folder = m_dir.filePath(QStringLiteral("searched"));
        for (const char *name : {"/a.docx", "/b.docx"})
            QVERIFY(TestFiles::write(folder + QLatin1String(name), "plain words\n"));
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        auto search = [&](const std::shared_ptr<FileSearchResults> &results) {
            auto request = std::make_shared<FileSearchRequest>();
            request->includePaths = QStringList{folder};
            request->text = QStringLiteral("text of");
            searcher.find(request, results);
            return finished.wait(3 * Helper64::kTimeoutMs);
        };
        QVERIFY(search(first));
        QCOMPARE(first->count(), 0);
        const QStringList asked = received().filter(QStringLiteral("CONVERT"));
        QCOMPARE(asked.size(), 1);
        QVERIFY(TestFiles::hasLogEntry(TestFiles::logLines(m_logPath), QStringLiteral("WARNING"),
                                       QStringLiteral("Helper64"),
                                       QStringLiteral("Reading from pipe hanged, file name = ") + asked[0].mid(8)));

        qputenv("TVQ_STAND_IN_MODE", "answer");
        QVERIFY(search(second));
        QCOMPARE(second->count(), 2);
    }

    void killedWhileConvertingIsBroken()
    {
        const auto helper = startHelper(QStringLiteral("silent"));
        const qint64 pid = helper->processId();
        const QString document = m_dir.filePath(QStringLiteral("killed.docx"));
        QString reply = QStringLiteral("not answered");
        const std::unique_ptr<QThread> request(
            QThread::create([&helper, &reply, document] { reply = helper->convert(document); }));
        request->start();
        QTRY_COMPARE(received(), QStringList{QStringLiteral("CONVERT|") + document});
        QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
        QTRY_VERIFY(request->isFinished());
        QCOMPARE(reply, QString());
        QCOMPARE(helper->state(), int(Helper64::Broken));
    }

    // The real helper gives up on a never-ending reader within the client's time limit and goes on serving.
    void realHelperAnswersTimeoutAndGoesOn()
    {
        const QString tools = m_dir.filePath(QStringLiteral("tools"));
        QVERIFY(QDir().mkpath(tools));
        const QString catdoc = tools + QStringLiteral("/catdoc");
        QVERIFY(TestFiles::write(catdoc, "#!/bin/sh\nexec sleep 60\n"));
        QVERIFY(QFile::setPermissions(catdoc, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", tools.toUtf8() + ':' + savedPath);
        Helper64 helper(m_temp, QStringLiteral(TVQ_HELPER_PROGRAM));
        qputenv("PATH", savedPath);
        const QString slow = m_dir.filePath(QStringLiteral("slow.doc"));
        QVERIFY(TestFiles::write(slow, "binary"));
        const QString rtf = m_dir.filePath(QStringLiteral("quick.rtf"));
        QVERIFY(TestFiles::write(rtf, "{\\rtf1 quick\\par}"));

        QCOMPARE(helper.convert(slow), QString::fromLatin1(HelperProtocol::kTimeout));
        QCOMPARE(QDir(m_temp).entryList({QStringLiteral("ifilter.*")}, QDir::Files), QStringList());
        const QString output = helper.convert(rtf);
        QCOMPARE(TestFiles::fromUtf16LE(TestFiles::read(output).mid(2)), QStringLiteral("quick\r\n"));
        QFile::remove(output);
        QCOMPARE(helper.state(), int(Helper64::Connected));
    }

    // A searcher's helper starts with its first request, not before: a name search starts no process; one
    // that cannot start is refused at once after that, not after the time limit each time.
    void startedOnFirstUse()
    {
        qputenv("TVQ_STAND_IN_MODE", "answer");
        Helper64 helper(m_temp, QStringLiteral(TVQ_STAND_IN_HELPER), Helper64::StartOnFirstUse);
        QCOMPARE(helper.processId(), qint64(-1));
        const QString converted = helper.convert(m_dir.filePath(QStringLiteral("first.docx")));
        QVERIFY(!converted.isEmpty());
        QFile::remove(converted);
        QVERIFY(helper.processId() > 0);
        QCOMPARE(helper.state(), int(Helper64::Connected));

        Helper64 missing(m_temp, m_dir.filePath(QStringLiteral("no-such-helper")), Helper64::StartOnFirstUse);
        QCOMPARE(missing.convert(m_dir.filePath(QStringLiteral("a.docx"))), QString());
        QCOMPARE(missing.processId(), qint64(-1));
    }

    // What the helper reads is listed without starting it, as the real helper itself lists it; a restart before
    // any conversion starts nothing either.
    void filtersListedWithoutAStart()
    {
        Helper64 running(m_temp, QStringLiteral(TVQ_HELPER_PROGRAM));
        const QList<IFilterInfo> answered = running.installedFilters();
        QVERIFY(!answered.isEmpty());
        Helper64 idle(m_temp, QStringLiteral(TVQ_HELPER_PROGRAM), Helper64::StartOnFirstUse);
        idle.restart();
        QCOMPARE(HelperProtocol::formatFilterList(idle.installedFilters()), HelperProtocol::formatFilterList(answered));
        QCOMPARE(idle.processId(), qint64(-1));

        Helper64 missing(m_temp, m_dir.filePath(QStringLiteral("no-such-helper")), Helper64::StartOnFirstUse);
        QVERIFY(missing.installedFilters().isEmpty());
    }

    // A helper must never outlive the program: told "EXIT", it is gone once the client is.
    void exitAtDestruction()
    {
        auto helper = startHelper(QStringLiteral("answer"));
        const qint64 pid = helper->processId();
        QVERIFY(pid > 0);
        helper.reset();
        QCOMPARE(received(), QStringList{QStringLiteral("EXIT")});
        QVERIFY(::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
    }
};

QTEST_GUILESS_MAIN(Helper64Test)
#include "Helper64Test.moc"
