// The protocol's decoders meet whatever a hostile client sends: every
// input must come back as whole messages or as a refusal, never as a crash,
// a hang or memory reserved on a lying count.

#include "indexproto/FrameReader.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageWriter.h"
#include "indexproto/ResultBatch.h"
#include "indexproto/SearchQuery.h"
#include "indexproto/ServiceState.h"

#include <QtTest>

class IndexProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void framesAreCutFromAnyPieces_data();
    void framesAreCutFromAnyPieces();
    void damagedSearchesAreRefused_data();
    void damagedSearchesAreRefused();
    void resultsKeepTheFileSystemsBytes();
    void stateTravelsWhole();
};

namespace {

QByteArray u32(quint32 value)
{
    MessageWriter out;
    out.u32(value);
    return out.take();
}

SearchQuery sampleQuery()
{
    SearchQuery query;
    query.requestId = 42;
    query.name = QStringLiteral("r\u00e9adme *.txt");
    query.nameType = 3;
    query.caseSensitive = true;
    query.includeSubfolders = false;
    query.filesOnly = true;
    query.includePaths = {QByteArray("/home/a"), QByteArray("/mnt/\xff\xfe")};
    query.excludePaths = {QByteArray("/home/a/tmp")};
    return query;
}

} // namespace

void IndexProtocolTest::framesAreCutFromAnyPieces_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("end");
    const QByteArray two = IndexProtocol::frame(IndexProtocol::Hello, IndexProtocol::helloBody())
                           + IndexProtocol::frame(IndexProtocol::StateRequest);
    QTest::newRow("two frames at once") << two << two.size() << 2 << int(FrameReader::NeedMore);
    QTest::newRow("two frames byte by byte") << two << 1 << 2 << int(FrameReader::NeedMore);
    QTest::newRow("half a frame") << two.left(5) << 1 << 0 << int(FrameReader::NeedMore);
    QTest::newRow("a length of 0") << u32(0) << 4 << 0 << int(FrameReader::Invalid);
    QTest::newRow("one byte over the cap") << u32(IndexProtocol::kMaxFrameSize + 1) + "x" << 5 << 0
                                           << int(FrameReader::Invalid);
    QTest::newRow("text instead of frames") << QByteArray("GET / HTTP/1.1\r\n") << 3 << 0 << int(FrameReader::Invalid);
    QTest::newRow("a good frame, then garbage") << two.left(11) + QByteArray("\xff\xff\xff\xff") << 2 << 1
                                                << int(FrameReader::Invalid);
}

void IndexProtocolTest::framesAreCutFromAnyPieces()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, pieceSize);
    QFETCH(int, frames);
    QFETCH(int, end);
    FrameReader reader;
    int found = 0;
    FrameReader::Status status = FrameReader::NeedMore;
    QByteArray payload;
    for (int at = 0; at < stream.size() && status != FrameReader::Invalid; at += pieceSize) {
        reader.append(stream.constData() + at, qMin(pieceSize, stream.size() - at));
        while ((status = reader.next(&payload)) == FrameReader::Frame)
            ++found;
        // Nothing is kept beyond one frame and the piece just appended.
        QVERIFY(reader.buffered() <= IndexProtocol::kMaxFrameSize + 4 + pieceSize);
    }
    QCOMPARE(found, frames);
    QCOMPARE(int(status), end);
}

void IndexProtocolTest::damagedSearchesAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    const QByteArray good = sampleQuery().encode();
    QTest::newRow("cut after the id") << good.left(4);
    QTest::newRow("cut inside the last path") << good.left(good.size() - 3);
    QTest::newRow("a byte left over") << good + 'x';
    QByteArray lyingName = good;
    lyingName.replace(4, 4, u32(0x7fffffff));
    QTest::newRow("a name longer than the message") << lyingName;
    QByteArray manyPaths = u32(1) + u32(0) + QByteArray(2, '\0') + u32(0xffffffff);
    QTest::newRow("four billion paths announced") << manyPaths;
    QByteArray badType = good;
    badType[8 + sampleQuery().name.toUtf8().size()] = 9;
    QTest::newRow("an expression type that does not exist") << badType;
}

void IndexProtocolTest::damagedSearchesAreRefused()
{
    QFETCH(QByteArray, body);
    QVERIFY(!SearchQuery::decode(body));
    // The undamaged message does come through, field for field.
    const std::optional<SearchQuery> good = SearchQuery::decode(sampleQuery().encode());
    QVERIFY(good);
    QCOMPARE(good->name, sampleQuery().name);
    QCOMPARE(good->includePaths, sampleQuery().includePaths);
    QCOMPARE(good->excludePaths, sampleQuery().excludePaths);
    QVERIFY(good->caseSensitive && !good->includeSubfolders && good->filesOnly);
    QCOMPARE(int(good->nameType), 3);
}

void IndexProtocolTest::resultsKeepTheFileSystemsBytes()
{
    ResultBatch batch(5);
    const QByteArray parent("/data/\xe9t\xe9");       // Latin-1 bytes, not UTF-8
    const QByteArray name("\xef\xbb\xbfnotes\x01.txt"); // a byte-order mark and a control byte
    batch.add(false, parent.constData(), parent.size(), name.constData(), name.size());
    // The same parent again, from another copy, travels once.
    const QByteArray sameParent = parent;
    batch.add(true, sameParent.constData(), sameParent.size(), "sub", 3);
    batch.add(true, "/", 1, "etc", 3);
    // A parent that only begins as the one before is another.
    batch.add(false, "/e", 2, "x", 1);
    batch.add(false, "/e", 2, "", 0);
    const QByteArray frame = batch.takeFrame();
    QVERIFY(batch.isEmpty());
    const QByteArray body = frame.mid(IndexProtocol::kLengthSize + 1);
    QCOMPARE(body.count(parent), 1);
    quint32 id = 0;
    QList<QByteArray> seen;
    QVERIFY(ResultBatch::decode(body, &id, [&seen](const ResultBatch::Entry &e) {
        seen << QByteArray(e.parent, e.parentSize) + '|' + QByteArray(e.name, e.nameSize) + (e.isFolder ? "/" : "");
    }));
    QCOMPARE(id, quint32(5));
    QCOMPARE(seen, (QList<QByteArray>{parent + '|' + name, parent + "|sub/", "/|etc/", "/e|x", "/e|"}));

    // A new batch repeats nothing of the one before.
    batch.add(false, "/e", 2, "y", 1);
    const QByteArray next = batch.takeFrame().mid(IndexProtocol::kLengthSize + 1);
    seen.clear();
    QVERIFY(ResultBatch::decode(next, &id, [&seen](const ResultBatch::Entry &e) {
        seen << QByteArray(e.parent, e.parentSize) + '|' + QByteArray(e.name, e.nameSize);
    }));
    QCOMPARE(seen, QList<QByteArray>{"/e|y"});

    // A count that lies about the entries that follow stops the decoding.
    QByteArray lying = body;
    lying.replace(4, 4, u32(6));
    QVERIFY(!ResultBatch::decode(lying, &id, [](const ResultBatch::Entry &) {}));
    // So do flags that are not known, and a first entry that repeats a parent before it.
    QByteArray unknown = body;
    unknown[8] = char(4);
    QVERIFY(!ResultBatch::decode(unknown, &id, [](const ResultBatch::Entry &) {}));
    QByteArray noParent = next;
    noParent.replace(8, 7, QByteArray(1, char(2)));
    QVERIFY(!ResultBatch::decode(noParent, &id, [](const ResultBatch::Entry &) {}));
}

void IndexProtocolTest::stateTravelsWhole()
{
    ServiceState state;
    state.phase = ServiceState::Updating;
    state.volumes = {{QChar('C'), "/", 427000}, {QChar('D'), "/mnt/data", 12}};
    state.settings.indexDrives = {QChar('C')};
    state.settings.autoAddFixed = false;
    state.settings.excludePaths = QStringList{QStringLiteral(".svn")};
    const QByteArray body = state.encode();
    const std::optional<ServiceState> back = ServiceState::decode(body);
    QVERIFY(back);
    QCOMPARE(int(back->phase), int(ServiceState::Updating));
    QCOMPARE(back->volumes.size(), 2);
    QCOMPARE(back->volumes.at(1).mountPoint, QByteArray("/mnt/data"));
    QCOMPARE(back->volumes.at(0).objects, quint64(427000));
    QVERIFY(back->covers("/mnt/data") && !back->covers("/mnt"));
    QCOMPARE(back->settings.indexDrives, state.settings.indexDrives);
    QCOMPARE(back->settings.excludePaths, state.settings.excludePaths);
    QVERIFY(!back->settings.autoAddFixed);
    for (int cut = 0; cut < body.size(); ++cut)
        QVERIFY(!ServiceState::decode(body.left(cut)));
}

QTEST_GUILESS_MAIN(IndexProtocolTest)
#include "IndexProtocolTest.moc"
