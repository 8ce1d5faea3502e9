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

#include <cerrno>
#include <csignal>
#include <memory>

namespace {

bool processExists(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

} // namespace

class Helper64Test : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
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
        TestFiles::startLog(m_dir);
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
        QTest::addColumn<QString>("expected"); // as the helper would format the list taken
        QTest::newRow("not a number") << "many\n{a1}\nText\n1\ndocx" << "0";
        QTest::newRow("ends early") << "2\n{a1}\nText\n1\ndocx\n{b2}" << "1\n{a1}\nText\n1\ndocx";
        // Longer than one 260-character read: assembled whole.
        QList<IFilterInfo> many;
        for (int i = 0; i < 12; ++i)
            many << IFilterInfo{QStringLiteral("{%1-long-identifier}").arg(i), QStringLiteral("Filter %1").arg(i),
                                {QStringLiteral("e%1a").arg(i), QStringLiteral("e%1b").arg(i)}};
        const QString longReply = HelperProtocol::formatFilterList(many);
        QVERIFY(longReply.size() > 260);
        QTest::newRow("longer than 260 characters") << longReply << longReply;
    }

    void filterList()
    {
        QFETCH(QString, reply);
        QFETCH(QString, expected);
        qputenv("TVQ_STAND_IN_FILTERS", reply.toUtf8());
        const auto helper = startHelper(QStringLiteral("answer"));
        QCOMPARE(helper->state(), int(Helper64::Connected));
        QCOMPARE(HelperProtocol::formatFilterList(helper->installedFilters()), expected);
    }

    void converterReplies_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("converted");
        QTest::newRow("a file of the helper") << "answer" << true;
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
    }

    // Through the engine, with the stand-in installed as the helper: once it hangs, the helper is refused for
    // the rest of the search rather than waited for again, and the next search starts a new one.
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
        searcher.init(IndexingSettings(), settings);
        const QString folder = m_dir.filePath(QStringLiteral("searched"));
        for (const char *name : {"/a.docx", "/b.docx"})
            QVERIFY(TestFiles::write(folder + QLatin1String(name), "plain words\n"));
        QSignalSpy finished(&searcher, &FileSearcher::findFinished);
        auto search = [&](FileSearchRequest &request, FileSearchResults *results) {
            request.includePaths = QStringList{folder};
            request.text = QStringLiteral("text of");
            searcher.find(request, *results);
            return finished.wait(3 * Helper64::kTimeoutMs);
        };
        QVERIFY(search(requests[0], &first));
        QCOMPARE(first.count(), 0);
        QCOMPARE(received().filter(QStringLiteral("CONVERT")).size(), 1);

        qputenv("TVQ_STAND_IN_MODE", "answer");
        QVERIFY(search(requests[1], &second));
        QCOMPARE(second.count(), 2);
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
