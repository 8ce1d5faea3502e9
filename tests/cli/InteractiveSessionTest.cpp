#include "base/MetaTypes.h"
#include "cli/InteractiveSession.h"
#include "cli/ResultWriter.h"
#include "search/FileSearcher.h"
#include "support/TempTree.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

// A walking searcher (no index) over one temporary tree, and a session that writes its answers into a buffer.
class SessionFixture
{
public:
    explicit SessionFixture(const QStringList &entries)
        : tree(entries)
        , temp()
        , searcher(temp.path(), 0)
    {
        prototype.includePaths = QStringList{tree.path()};
        buffer.open(QIODevice::WriteOnly);
        searcher.init(IndexingSettings(), ContentSearchSettings());
    }

    TempTree tree;
    QTemporaryDir temp;
    FileSearcher searcher;
    FileSearchRequest prototype;
    QBuffer buffer;
    ResultWriter writer{&buffer, CommandLine::Lines};
};

class InteractiveSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerMetaTypes(); }

    void finishesOnlyAfterThePendingAnswers()
    {
        SessionFixture f({"a1", "b1", "c1"});
        InteractiveSession session(&f.searcher, f.prototype, &f.writer);
        QSignalSpy finished(&session, &InteractiveSession::finished);
        // A carriage return before the line feed is no part of the query.
        session.onLine(QStringLiteral("a\r"));
        session.onLine(QStringLiteral("nothing-matches-this"));
        session.onLine(QStringLiteral("c"));
        session.onEndOfInput();
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(5000));
        QCOMPARE(session.answered(), 3);
        // Answers come in input order; an empty answer is just its end mark.
        QCOMPARE(QString::fromLocal8Bit(f.buffer.data()), f.tree.path("a1") + "\n\n\n" + f.tree.path("c1") + "\n\n");
    }

    void endOfInputWithoutQueriesFinishesAtOnce()
    {
        SessionFixture f({});
        InteractiveSession session(&f.searcher, f.prototype, &f.writer);
        QSignalSpy finished(&session, &InteractiveSession::finished);
        session.onEndOfInput();
        QCOMPARE(finished.count(), 1);
        QVERIFY(f.buffer.data().isEmpty());
    }

    void invalidExpressionIsRefusedWithAnEmptyAnswer()
    {
        SessionFixture f({"alpha.txt"});
        f.prototype.nameExpressionType = 2;
        InteractiveSession session(&f.searcher, f.prototype, &f.writer);
        QSignalSpy finished(&session, &InteractiveSession::finished);
        QSignalSpy refused(&session, &InteractiveSession::queryRefused);
        session.onLine(QStringLiteral("a(b"));
        session.onLine(QStringLiteral("alpha"));
        session.onEndOfInput();
        QVERIFY(finished.wait(5000));
        QCOMPARE(refused.count(), 1);
        QVERIFY(refused.at(0).at(0).toString().contains(QStringLiteral("regular expression")));
        QCOMPARE(QString::fromLocal8Bit(f.buffer.data()), "\n" + f.tree.path("alpha.txt") + "\n\n");
    }
};

QTEST_GUILESS_MAIN(InteractiveSessionTest)
#include "InteractiveSessionTest.moc"
