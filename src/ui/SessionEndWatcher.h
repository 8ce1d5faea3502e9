#pragma once

#include <QObject>

class QSessionManager;
class SignalPipe;

// Everything that ends the user's session or the process from outside: the
// session manager's save request and quit, and SIGTERM, SIGHUP and SIGINT
// (logout, shutdown, kill, Ctrl+C in a terminal). Each ends the program the
// way its Exit command does, so every setting, history, tab and index is
// saved before the process goes.
class SessionEndWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SessionEndWatcher(QObject *parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    // The program should leave its event loop now.
    void endRequested();

private:
    void onCommitDataRequest(QSessionManager &manager);
    void onSignal(int signalNumber);
    void onAboutToQuit();

    SignalPipe *m_signals;
    bool m_saveRequested = false;
};
