#include "app/MetaTypes.h"
#include "content/Helper64.h"
#include "content/IFilter64Converter.h"
#include "helper/HelperProtocol.h"
#include "search/FileSearchRequest.h"
#include "search/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <memory>

namespace {

bool processExists(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

IFilterInfo filter(const QString &clsid, const QString &name, const QStringList &extensions)
{
    return IFilterInfo{clsid, name, extensions};
}

QString describe(const QList<IFilterInfo> &filters)
{
    QStringList parts;
    for (const IFilterInfo &f : filters)
        parts << f.clsid + QLatin1Char('/') + f.name + QLatin1Char('/') + f.extensions.join(QLatin1Char(','));
    return parts.join(QLatin1Char(';'));
}

} // namespace

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

    bool warned(const QString &message) const
    {
        return TestFiles::hasLogEntry(TestFiles::logLines(m_logPath), QStringLiteral("WARNING"),
                                      QStringLiteral("Helper64"), message);
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

    void missingProgramStartsNothing()
    {
        Helper64 helper(m_temp, m_dir.filePath(QStringLiteral("no-such-helper")));
        QCOMPARE(helper.state(), int(Helper64::NotStarted));
        QCOMPARE(helper.convert(QStringLiteral("/x.docx")), QString());
    }

    void filterList_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QList<IFilterInfo>>("expected");
        QTest::newRow("not a number") << "many\n{a1}\nText\n1\ndocx" << QList<IFilterInfo>();
        QTest::newRow("ends early") << "2\n{a1}\nText\n1\ndocx\n{b2}"
                                    << QList<IFilterInfo>{filter("{a1}", "Text", {"docx"})};
        // Longer than one 260-character read: assembled whole.
        QList<IFilterInfo> many;
        for (int i = 0; i < 12; ++i)
            many << filter(QStringLiteral("{%1-long-identifier-of-filter}").arg(i), QStringLiteral("Filter %1").arg(i),
                           {QStringLiteral("e%1a").arg(i), QStringLiteral("e%1b").arg(i)});
        const QString longReply = HelperProtocol::formatFilterList(many);
        QVERIFY(longReply.size() > 260);
        QTest::newRow("longer than 260 characters") << longReply << many;
    }

    void filterList()
    {
        QFETCH(QString, reply);
        QFETCH(QList<IFilterInfo>, expected);
        qputenv("TVQ_STAND_IN_FILTERS", reply.toUtf8());
        const auto helper = startHelper(QStringLiteral("answer"));
        QCOMPARE(helper->state(), int(Helper64::Connected));
        QCOMPARE(describe(helper->installedFilters()), describe(expected));
    }

    void converterReplies_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("converted");
        QTest::newRow("a file of the helper") << "answer" << true;
        QTest::newRow("timeout") << "timeout" << false;
        // Taken for converted text, the file would be removed after the search.
        QTest::newRow("a file elsewhere") << "outside" << false;
    }

    void converterReplies()
    {
        QFETCH(QString, mode);
        QFETCH(bool, converted);
        const auto helper = startHelper(mode);
        IFilter64Converter converter(helper.get());
        converter.setTempFolder(m_temp);
        const QString document = m_dir.filePath(QStringLiteral("report.docx"));
        QString output;
        QCOMPARE(converter.convert(document, nullptr, &output, nullptr, QString(), nullptr), converted);
        if (converted) {
            QCOMPARE(TestFiles::fromUtf16LE(TestFiles::read(output).mid(2)), QStringLiteral("text of ") + document);
            QFile::remove(output);
        }
        QCOMPARE(output.isEmpty(), !converted);
        QCOMPARE(helper->state(), int(Helper64::Connected));
    }

    // Once it hangs, the helper is refused at once until restarted, and the restart brings a new one.
    void silentHelperIsRefusedUntilRestarted()
    {
        const auto helper = startHelper(QStringLiteral("silent"));
        const qint64 firstPid = helper->processId();
        QVERIFY(firstPid > 0);
        const QString document = m_dir.filePath(QStringLiteral("plain.docx"));
        QCOMPARE(helper->convert(document), QString());
        QVERIFY(warned(QStringLiteral("Reading from pipe hanged, file name = ") + document));
        QCOMPARE(helper->convert(document), QString());
        QCOMPARE(received(), QStringList{QStringLiteral("CONVERT|") + document});

        qputenv("TVQ_STAND_IN_MODE", "answer");
        helper->restart();
        QVERIFY(helper->processId() != firstPid);
        QVERIFY(!processExists(firstPid));
        QVERIFY(!helper->convert(document).isEmpty());
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

    // Through the engine, with the stand-in installed as the helper: a hung helper is restarted by the next search.
    void nextContentSearchRestartsTheHelper()
    {
        qputenv("TVQ_STAND_IN_MODE", "silent");
        qputenv("TVQ_STAND_IN_FILTERS", "1\n{a1}\nStand-in\n1\ndocx");
        // Requests and results outlive the searcher, also when a wait fails.
        FileSearchRequest requests[2];
        FileSearchResults first;
        FileSearchResults second;
        FileSearcher searcher(m_temp, 0);
        ContentSearchSettings settings;
        settings.filters64 = searcher.helper64Filters();
        QCOMPARE(settings.filters64.size(), 1);
        searcher.init(IndexingSettings(), settings);
        const QString folder = m_dir.filePath(QStringLiteral("searched"));
        QVERIFY(TestFiles::write(folder + QStringLiteral("/doc.docx"), "plain words\n"));
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        auto search = [&](FileSearchRequest &request, FileSearchResults *results) {
            request.includePaths = QStringList{folder};
            request.text = QStringLiteral("text of");
            searcher.find(request, *results);
            return finished.wait(3 * Helper64::kTimeoutMs);
        };
        QVERIFY(search(requests[0], &first));
        QCOMPARE(first.count(), 0);

        qputenv("TVQ_STAND_IN_MODE", "answer");
        QVERIFY(search(requests[1], &second));
        QCOMPARE(second.count(), 1);
    }

    // The helper is ended also when it ignores "EXIT".
    void exitAtDestruction()
    {
        auto helper = startHelper(QStringLiteral("ignore-exit"));
        const qint64 pid = helper->processId();
        QVERIFY(pid > 0);
        helper.reset();
        QCOMPARE(received(), QStringList{QStringLiteral("EXIT")});
        QVERIFY(!processExists(pid));
    }
};

QTEST_GUILESS_MAIN(Helper64Test)
#include "Helper64Test.moc"
