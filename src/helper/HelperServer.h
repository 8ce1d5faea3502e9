#pragma once

#include "helper/ExtractionWatchdog.h"
#include "platform/linux/FileDescriptor.h"

#include <QByteArray>
#include <QString>

// The helper's side of the channel: connects to the program's socket and
// answers its messages one at a time until "EXIT" or until the program
// goes away. A document that takes longer than kTimeLimitMs is answered
// "TIMEOUT", within the program's own ten-second patience.
//
// Requests come strictly one after the other, so the channel is served by
// blocking calls on the main thread, without an event loop, and documents are
// read on that thread too: a request wakes one thread of the helper, not two.
// A watchdog keeps the time limit and answers for a reader that overruns it.
class HelperServer
{
public:
    static const int kTimeLimitMs = 8000;
    // After "TIMEOUT", how long a reader may take to notice its cancel flag
    // before the helper gives up on itself and exits.
    static const int kCancelGraceMs = 3000;

    HelperServer(const QString &channel, const QString &tempFolder);

    // Tries until the program listens or 'timeoutMs' passes.
    bool connectToProgram(int timeoutMs);
    // Answers messages until "EXIT", a malformed message, or the end of
    // the channel.
    void run();

private:
    // Sends the reply to one message; false for "EXIT".
    bool answer(const QString &message);
    void convert(const QString &path);
    bool send(const QString &message);
    // Called by the watchdog when a document's time has run out.
    void answerTimeout(const QString &path);

    QString m_channel;
    QString m_tempFolder;
    FileDescriptor m_socket;
    QByteArray m_received;
    // Sends by the serving thread and the watchdog never overlap: the
    // watchdog sends only while a reading is in hand, under its own lock,
    // and end() of that reading takes the lock before the thread may send.
    ExtractionWatchdog m_watchdog;
};
