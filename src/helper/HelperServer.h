#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QObject>
#include <QString>

// The helper's side of the channel: connects to the program's socket and
// answers its messages one at a time until "EXIT" or until the program
// goes away. A document that takes longer than kTimeLimitMs is answered
// "TIMEOUT", within the program's own ten-second patience.
class HelperServer : public QObject
{
    Q_OBJECT
public:
    static const int kTimeLimitMs = 8000;
    // After "TIMEOUT", how long a reader may take to notice its cancel flag
    // before the helper gives up on itself and exits.
    static const int kCancelGraceMs = 3000;

    HelperServer(const QString &channel, const QString &tempFolder, QObject *parent = nullptr);

    // Tries until the program listens or 'timeoutMs' passes.
    bool connectToProgram(int timeoutMs);

signals:
    void finished();

private slots:
    void onReadyRead();

private:
    // Sends the reply to one message; false for "EXIT".
    bool answer(const QString &message);
    void convert(const QString &path);
    void send(const QString &message);

    QString m_channel;
    QString m_tempFolder;
    QLocalSocket m_socket;
    QByteArray m_received;
};
