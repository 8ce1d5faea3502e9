#include "session/InstanceChannel.h"
#include "session/MessageListenWidget.h"
#include "support/PrivateRuntimeDir.h"
#include "support/UnprivilegedUser.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <atomic>
#include <pwd.h>
#include <thread>
#include <sys/stat.h>

Q_DECLARE_METATYPE(InstanceMessage)

// The signals of a listener, recorded as "name:value" in arrival order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(MessageListenWidget *listener)
    {
        using L = MessageListenWidget;
        connect(listener, &L::argumentsReceived, this, [this](const QString &v) { add("arguments", v); });
        connect(listener, &L::pidReceived, this, [this](int v) { add("pid", QString::number(v)); });
        connect(listener, &L::newSearchRequested, this, [this](const QString &v) { add("search", v); });
        connect(listener, &L::activationRequested, this, [this] { add("activate", QString()); });
        connect(listener, &L::openFileRequested, this, [this](const QString &v) { add("open", v); });
        connect(listener, &L::activationTokenReceived, this, [this](const QString &v) { add("token", v); });
    }
    QStringList entries;

private:
    void add(const char *name, const QString &value) { entries << QLatin1String(name) + QLatin1Char(':') + value; }
};

static QByteArray frameBytes(quint32 message, quint64 kind, quint32 byteCount, const QByteArray &payload)
{
    InstanceMessage m = InstanceMessage::plain(message);
    m.kind = kind;
    QByteArray bytes = m.encode();
    qToLittleEndian<quint32>(byteCount, reinterpret_cast<uchar *>(bytes.data()) + 20);
    return bytes + payload;
}

class MessageListenWidgetTest : public QObject
{
    Q_OBJECT

private:
    const QString mainTitle = QLatin1String(kMainInstanceWindowTitle);
    PrivateRuntimeDir m_runtime;

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
    }

    void everyMessageArrives_data()
    {
        QTest::addColumn<InstanceMessage>("message");
        QTest::addColumn<QStringList>("expected");
        const QString folder = QStringLiteral("/srv/Dokumente/Übersicht | 2024");
        QTest::newRow("activate") << InstanceMessage::plain(kMsgActivate) << QStringList{"activate:"};
        QTest::newRow("admin pid") << InstanceMessage::plain(kMsgAdminPid, 4242) << QStringList{"pid:4242"};
        QTest::newRow("new search") << InstanceMessage::copyData(InstanceMessage::CopyDataNewSearch, folder)
                                    << QStringList{"activate:", "search:" + folder};
        QTest::newRow("arguments") << InstanceMessage::copyData(InstanceMessage::CopyDataArguments, "p|-path|a b")
                                   << QStringList{"arguments:p|-path|a b"};
        QTest::newRow("open file") << InstanceMessage::copyData(InstanceMessage::CopyDataOpenFile, "/home/a/x.txt")
                                   << QStringList{"open:/home/a/x.txt"};
        QTest::newRow("activation token") << InstanceMessage::copyData(InstanceMessage::CopyDataActivationToken, "t-42")
                                          << QStringList{"token:t-42"};
        QTest::newRow("unknown kind") << InstanceMessage::copyData(7, "later") << QStringList{};
        QTest::newRow("unknown number") << InstanceMessage::plain(1090) << QStringList{};
    }

    // A send returns once the receiver has handled the message, so the signals are all there when it returns.
    void everyMessageArrives()
    {
        QFETCH(InstanceMessage, message);
        QFETCH(QStringList, expected);
        MessageListenWidget listener(mainTitle);
        QVERIFY(listener.isListening());
        SignalLog log(&listener);
        // The sender blocks until acknowledged, so it cannot share the listener's thread.
        std::atomic<int> sent{-1};
        std::thread sender([&] { sent = InstanceChannel::send(mainTitle, message) ? 1 : 0; });
        QTRY_VERIFY(sent >= 0);
        sender.join();
        QCOMPARE(sent.load(), 1);
        QCOMPARE(log.entries, expected);
    }

    void badFramesAreDropped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("oversized") << frameBytes(74, 0, 1024 * 1024 + 2, QByteArray(64, 'a'));
        QTest::newRow("plain with payload") << frameBytes(kMsgActivate, 0, 2, QByteArray(2, '\0'));
        QTest::newRow("odd byte count") << frameBytes(74, 0, 3, QByteArray("a\0\0", 3));
        QTest::newRow("unterminated") << frameBytes(74, 0, 4, QByteArray("a\0b\0", 4));
        QTest::newRow("empty copy data") << frameBytes(74, 0, 0, QByteArray());
    }

    // The receiver closes the connection on a bad frame and acts on nothing; a good message afterwards is served.
    void badFramesAreDropped()
    {
        QFETCH(QByteArray, bytes);
        MessageListenWidget listener(mainTitle);
        SignalLog log(&listener);
        {
            QLocalSocket socket;
            socket.connectToServer(InstanceChannel::socketPath(mainTitle));
            QVERIFY(socket.waitForConnected());
            QSignalSpy closed(&socket, &QLocalSocket::disconnected);
            socket.write(bytes);
            QVERIFY(closed.wait());
            QCOMPARE(socket.bytesAvailable(), qint64(0));
        }
        QVERIFY(InstanceChannel::post(mainTitle, InstanceMessage::plain(kMsgAdminPid, 9)));
        QTRY_COMPARE(log.entries, QStringList{"pid:9"});
    }

    void socketNameIsTakenOnce_data()
    {
        QTest::addColumn<bool>("staleFile");
        QTest::addColumn<bool>("otherListener");
        QTest::addColumn<bool>("listening");
        QTest::newRow("stale file replaced") << true << false << true;
        QTest::newRow("held by another") << false << true << false;
    }

    void socketNameIsTakenOnce()
    {
        QFETCH(bool, staleFile);
        QFETCH(bool, otherListener);
        QFETCH(bool, listening);
        const QString path = InstanceChannel::socketPath(mainTitle);
        if (staleFile)
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        std::unique_ptr<MessageListenWidget> other;
        if (otherListener)
            other = std::make_unique<MessageListenWidget>(mainTitle);
        MessageListenWidget listener(mainTitle);
        QCOMPARE(listener.isListening(), listening);
        QCOMPARE(InstanceChannel::exists(mainTitle), true);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QVERIFY(S_ISSOCK(st.st_mode));
        QCOMPARE(st.st_mode & 0777, 0600u);
    }

    // The socket's mode is opened up here to reach the second wall behind it, the check of the peer.
    void otherUsersAreRefused()
    {
        if (geteuid() != 0)
            QSKIP("needs root to connect as another user");
        MessageListenWidget listener(mainTitle);
        SignalLog log(&listener);
        QSignalSpy refused(&listener, &MessageListenWidget::peerRefused);
        const QString path = InstanceChannel::socketPath(mainTitle);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        QCOMPARE(::chmod(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0711), 0);
        QLocalSocket socket;
        {
            // The kernel takes the peer's credentials when it connects.
            UnprivilegedUser nobody;
            QVERIFY(nobody.ok());
            socket.connectToServer(path);
            QVERIFY(socket.waitForConnected());
        }
        ::chmod(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0700);
        socket.write(InstanceMessage::plain(kMsgActivate).encode());
        QVERIFY(refused.wait());
        QCOMPARE(refused.at(0).at(0).toUInt(), uint(getpwnam("nobody")->pw_uid));
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        QVERIFY(log.entries.isEmpty());
    }
};

QTEST_GUILESS_MAIN(MessageListenWidgetTest)
#include "MessageListenWidgetTest.moc"
