// A stand-in for talvenquist-helper that the client tests start in its
// place. It speaks the real protocol and behaves as TVQ_STAND_IN_MODE says:
//   answer       CONVERT: writes "text of PATH" into a file and replies its path
//   silent       CONVERT: never answers
//   outside      CONVERT: replies the path of a file outside the temporary folder
// GET_IFILTERS is answered with TVQ_STAND_IN_FILTERS as it stands. Every
// message received is appended to "received.txt" in the temporary folder,
// one per line, its line feeds written as "|".
#include "helper/HelperProtocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

namespace {

void record(const QString &folder, const QString &message)
{
    QFile file(folder + QStringLiteral("/received.txt"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QString(message).replace(QLatin1Char('\n'), QLatin1Char('|')).toUtf8() + '\n');
}

QString convertReply(const QString &mode, const QString &folder, const QString &path)
{
    if (mode == QLatin1String("outside"))
        return QCoreApplication::applicationFilePath();
    // A file of its own for each reply: the program reads one while it asks for the next.
    static int replies = 0;
    const QString output = folder + QStringLiteral("/stand-in-%1.txt").arg(++replies);
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    const QString text = QStringLiteral("text of ") + path;
    file.write("\xFF\xFE");
    file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return output;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 4)
        return 2;
    const QString folder = app.arguments().at(3);
    const QString mode = qEnvironmentVariable("TVQ_STAND_IN_MODE", QStringLiteral("answer"));
    QLocalSocket socket;
    const QDeadlineTimer deadline(10000);
    do {
        socket.connectToServer(HelperProtocol::socketPath(app.arguments().at(1)));
        if (socket.waitForConnected(1000))
            break;
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    if (socket.state() != QLocalSocket::ConnectedState)
        return 1;
    QByteArray received;
    QObject::connect(&socket, &QLocalSocket::disconnected, &app, &QCoreApplication::quit);
    QObject::connect(&socket, &QLocalSocket::readyRead, [&] {
        received += socket.readAll();
        QString message;
        bool broken = false;
        while (HelperProtocol::takeFrame(&received, &message, &broken)) {
            record(folder, message);
            if (message == QLatin1String(HelperProtocol::kExit)) {
                app.quit();
            } else if (message == QLatin1String(HelperProtocol::kGetFilters)) {
                socket.write(HelperProtocol::encodeFrame(qEnvironmentVariable("TVQ_STAND_IN_FILTERS")));
            } else if (mode != QLatin1String("silent")) {
                const QString path = message.mid(int(qstrlen(HelperProtocol::kConvert)));
                socket.write(HelperProtocol::encodeFrame(convertReply(mode, folder, path)));
            }
        }
    });
    return app.exec();
}
