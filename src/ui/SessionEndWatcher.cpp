#include "ui/SessionEndWatcher.h"

#include "base/Logger.h"
#include "platform/linux/SignalPipe.h"

#include <QGuiApplication>
#include <QSessionManager>

#include <csignal>

static const char kComponent[] = "MainWindow";

SessionEndWatcher::SessionEndWatcher(QObject *parent)
    : QObject(parent)
    , m_signals(new SignalPipe({SIGTERM, SIGHUP, SIGINT}, this))
{
    if (m_signals->isValid())
        Logger::instance()->log(DEBUG, kComponent, "SIGTERM, SIGHUP and SIGINT end the program as Exit does");
    else
        Logger::instance()->log(WARNING, kComponent, "Signal handlers could not be installed");
    connect(m_signals, &SignalPipe::received, this, &SessionEndWatcher::onSignal);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SessionEndWatcher::onCommitDataRequest,
            Qt::DirectConnection);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &SessionEndWatcher::onAboutToQuit);
}

SessionEndWatcher::~SessionEndWatcher() = default;

void SessionEndWatcher::onCommitDataRequest(QSessionManager &manager)
{
    // The session may end: nothing is asked of the user, and the data is
    // saved when the quit that follows ends the event loop.
    Q_UNUSED(manager);
    Logger::instance()->log(DEBUG, kComponent, "WM_QUERYENDSESSION");
    m_saveRequested = true;
}

void SessionEndWatcher::onAboutToQuit()
{
    if (m_saveRequested)
        Logger::instance()->log(DEBUG, kComponent, "WM_ENDSESSION");
}

void SessionEndWatcher::onSignal(int signalNumber)
{
    Logger::instance()->log(INFO, kComponent, QStringLiteral("Signal %1 received").arg(signalNumber));
    Logger::instance()->log(DEBUG, kComponent, "WM_ENDSESSION");
    m_saveRequested = false;
    emit endRequested();
}
