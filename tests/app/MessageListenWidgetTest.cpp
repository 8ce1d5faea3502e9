#include "app/InstanceChannel.h"
#include "app/MessageListenWidget.h"
#include "support/PrivateRuntimeDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <grp.h>
#include <pwd.h>
#include <thread>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(InstanceMessage)

// The signals of a listener, recorded as "name:value" in arrival order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(MessageListenWidget *listener)
    {
        connect(listener, &MessageListenWidget::argumentsReceived, this, [this](const QString &v) { add("arguments", v); });
        connect(listener, &MessageListenWidget::pidReceived, this, [this](int v) { add("pid", QString::number(v)); });
        connect(listener, &MessageListenWidget::newSearchRequested, this, [this](const QString &v) { add("search", v); });
        connect(listener, &MessageListenWidget::activationRequested, this, [this] { add("activate", QString()); });
        connect(listener, &MessageListenWidget::openFileRequested, this, [this](const QString &v) { add("open", v); });
        connect(listener, &MessageListenWidget::activationTokenReceived, this, [this](const QString &v) { add("token", v); });
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
    const QString userTitle = QLatin1String(kUserInstanceWindowTitle);
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
        QTest::newRow("empty text") << InstanceMessage::copyData(InstanceMessage::CopyDataNewSearch, QString())
                                    << QStringList{"activate:", "search:"};
        QTest::newRow("unknown kind") << InstanceMessage::copyData(7, "later") << QStringList{};
        QTest::newRow("unknown number") << InstanceMessage::plain(1090) << QStringList{};
    }

    // A send returns once the receiver has handled the message, so the
    // signals are all there when it returns.
    void everyMessageArrives()
    {
        QFETCH(InstanceMessage, message);
        QFETCH(QStringList, expected);
        MessageListenWidget listener(mainTitle);
        QVERIFY(listener.isListening());
        SignalLog log(&listener);
        // The sender blocks until acknowledged, so it cannot share the
        // listener's thread.
        std::atomic<int> sent{-1};
        std::thread sender([&] { sent = InstanceChannel::send(mainTitle, message) ? 1 : 0; });
        QTRY_VERIFY(sent >= 0);
        sender.join();
        QCOMPARE(sent.load(), 1);
        QCOMPARE(log.entries, expected);
    }

    // The companion answers a request for its arguments with its own
    // command line, joined by "|", to the main instance.
    void sendArgumentsAnswersTheMainInstance()
    {
        // The companion's answer is a blocking send: it runs on a thread of
        // its own, as it would in a process of its own.
        QThread thread;
        auto *companion = new MessageListenWidget(userTitle);
        companion->moveToThread(&thread);
        connect(&thread, &QThread::finished, companion, &QObject::deleteLater);
        thread.start();
        MessageListenWidget mainInstance(mainTitle);
        QSignalSpy arguments(&mainInstance, &MessageListenWidget::argumentsReceived);
        QVERIFY(InstanceChannel::post(userTitle, InstanceMessage::plain(kMsgSendArguments)));
        QVERIFY(arguments.wait());
        thread.quit();
        thread.wait();
        QCOMPARE(arguments.at(0).at(0).toString(), QCoreApplication::arguments().join('|'));
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

    // The receiver closes the connection on a bad frame and acts on nothing;
    // a good message afterwards is served as usual.
    void badFramesAreDropped()
    {
        QFETCH(QByteArray, bytes);
        MessageListenWidget listener(mainTitle);
        SignalLog log(&listener);
        QLocalSocket socket;
        socket.connectToServer(InstanceChannel::socketPath(mainTitle));
        QVERIFY(socket.waitForConnected());
        QSignalSpy closed(&socket, &QLocalSocket::disconnected);
        socket.write(bytes);
        QVERIFY(closed.wait());
        QCOMPARE(socket.bytesAvailable(), qint64(0));
        QVERIFY(InstanceChannel::post(mainTitle, InstanceMessage::plain(kMsgActivate)));
        QTRY_COMPARE(log.entries, QStringList{"activate:"});
    }

    void truncatedFrameIsDropped()
    {
        MessageListenWidget listener(mainTitle);
        SignalLog log(&listener);
        QByteArray bytes = InstanceMessage::copyData(InstanceMessage::CopyDataNewSearch, "/tmp").encode();
        bytes.chop(3);
        {
            QLocalSocket socket;
            socket.connectToServer(InstanceChannel::socketPath(mainTitle));
            QVERIFY(socket.waitForConnected());
            socket.write(bytes);
            QVERIFY(socket.waitForBytesWritten());
        }
        QVERIFY(InstanceChannel::post(mainTitle, InstanceMessage::plain(kMsgAdminPid, 9)));
        QTRY_COMPARE(log.entries, QStringList{"pid:9"});
    }

    void socketNameIsTakenOnce_data()
    {
        QTest::addColumn<bool>("staleFile");
        QTest::addColumn<bool>("otherListener");
        QTest::addColumn<bool>("listening");
        QTest::newRow("free") << false << false << true;
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

    // The socket file already keeps other users out; its mode is opened up
    // here to reach the second wall, the check of the connection's peer.
    void otherUsersAreRefused()
    {
        if (geteuid() != 0)
            QSKIP("needs root to run a client as another user");
        const passwd *nobody = getpwnam("nobody");
        QVERIFY(nobody);
        MessageListenWidget listener(mainTitle);
        SignalLog log(&listener);
        QSignalSpy refused(&listener, &MessageListenWidget::peerRefused);
        const QByteArray path = QFile::encodeName(InstanceChannel::socketPath(mainTitle));
        const QByteArray folder = QFile::encodeName(QFileInfo(InstanceChannel::socketPath(mainTitle)).absolutePath());
        QCOMPARE(::chmod(path.constData(), 0666), 0);
        QCOMPARE(::chmod(folder.constData(), 0711), 0);
        const QByteArray frame = InstanceMessage::plain(kMsgActivate).encode();
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        const pid_t child = ::fork();
        if (child == 0) {
            // Only async-signal-safe calls after fork in a threaded process.
            if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 || ::setresuid(uid, uid, uid) != 0)
                _exit(2);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            ::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
            if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0)
                _exit(3);
            // The listener may close before or after the frame is written.
            ::send(fd, frame.constData(), size_t(frame.size()), MSG_NOSIGNAL);
            char answer;
            _exit(::read(fd, &answer, 1) <= 0 ? 0 : 4);
        }
        QVERIFY(refused.wait());
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        ::chmod(folder.constData(), 0700);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(refused.at(0).at(0).toUInt(), uint(uid));
        QVERIFY(log.entries.isEmpty());
    }
};

QTEST_GUILESS_MAIN(MessageListenWidgetTest)
#include "MessageListenWidgetTest.moc"
