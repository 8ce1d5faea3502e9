#include "session/WaitAdminProcessThread.h"

#include "base/Logger.h"
#include "platform/linux/ProcessWaiter.h"

#include <QCoreApplication>

#include <cerrno>

static const char kComponent[] = "main";

WaitAdminProcessThread::WaitAdminProcessThread(qint64 pid, QObject *parent)
    : QThread(parent), m_pid(pid), m_waiter(std::make_unique<ProcessWaiter>(pid_t(pid)))
{
    m_openError = m_waiter->isOpen() ? 0 : errno;
}

WaitAdminProcessThread::~WaitAdminProcessThread() = default;

void WaitAdminProcessThread::run()
{
    int code = 0;
    if (!m_waiter->isOpen()) {
        Logger::instance()->log(ERROR, kComponent,
                                QStringLiteral("Cannot open process %1, error = %2").arg(m_pid).arg(m_openError));
        code = 1;
    } else if (!m_waiter->wait()) {
        Logger::instance()->log(ERROR, kComponent,
                                QStringLiteral("Waiting for process %1 failed, error = %2").arg(m_pid).arg(errno));
        code = 1;
    }
    // Queued to the application's thread: it takes effect once the event
    // loop runs, even if the process ended before it started.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}
