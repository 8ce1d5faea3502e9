#pragma once

#include "session/InstanceMessage.h"

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// Held by every main instance (elevated or not).
extern const char kMainInstanceWindowTitle[];
// Held by the unelevated companion of an elevated main instance.
extern const char kUserInstanceWindowTitle[];

// The listening end of the messages between instances: a local socket named
// after `title` in the session user's runtime folder (see InstanceChannel),
// turned into signals. Never shown; it needs no window, only the event loop
// of the thread it lives on (the GUI thread).
//
// Only the session user and root may talk to it: the socket file is the
// user's with mode 0600, and each connection's kernel-recorded peer is
// checked as well. Frames that are cut short, oversized or malformed are
// dropped with a warning, and the connection with them.
class MessageListenWidget : public QObject
{
    Q_OBJECT

public:
    explicit MessageListenWidget(const QString &title, QObject *parent = nullptr);
    ~MessageListenWidget() override;

    QString title() const { return m_title; }
    // False when the socket could not be made (another instance holds the
    // name, or there is no private runtime folder); logged at ERROR.
    bool isListening() const;

    // Runs the errands of the user's desktop (kinds from 3 below the
    // activation token) that a root instance hands to its companion; true
    // when done. Set once at start-up, before any listener exists.
    using SessionErrandHandler = std::function<bool(quint64 kind, const QString &text)>;
    static void setSessionErrandHandler(SessionErrandHandler handler);

signals:
    void argumentsReceived(const QString &arguments);
    void pidReceived(int pid);
    void newSearchRequested(const QString &path);
    // Show the main window normal, raise and activate it. Emitted before
    // newSearchRequested for a search hand-over.
    void activationRequested();
    // The startup-notification token for the activation that follows.
    void activationTokenReceived(const QString &token);
    // Open the file with this process's (the session user's) rights.
    void openFileRequested(const QString &path);
    // A connection from a user who may not talk to us was closed unread.
    void peerRefused(uint uid);

private slots:
    void onNewConnection();

private:
    bool listen();
    bool isPeerAllowed(QLocalSocket *socket);
    void readFrames(QLocalSocket *socket, QByteArray *buffer);
    void dispatch(const InstanceMessage &message);
    void dispatchCopyData(const InstanceMessage &message);
    void sendArguments();

    QString m_title;
    QLocalServer *m_server = nullptr;
};
