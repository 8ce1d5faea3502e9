#include "platform/linux/TerminationSignals.h"

#include "platform/linux/SysCall.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The write end of the pipe, for the handler: it may only make
// async-signal-safe calls, so it writes the signal's number and returns.
std::atomic<int> g_writeEnd{-1};
std::atomic<std::atomic<bool> *> g_cancelFlag{nullptr};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (std::atomic<bool> *flag = g_cancelFlag.load())
        flag->store(true);
    const int fd = g_writeEnd.load();
    if (fd >= 0)
        (void)::write(fd, &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd.reset(ends[0]);
    g_writeEnd = ends[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd.get(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    setHandler(onSignal);
}

void TerminationSignals::cancelOnArrival(std::atomic<bool> *flag)
{
    g_cancelFlag = flag;
}

TerminationSignals::~TerminationSignals()
{
    if (!m_readEnd.isValid())
        return;
    setHandler(SIG_DFL);
    ::close(g_writeEnd.exchange(-1));
}

void TerminationSignals::onReadable()
{
    unsigned char bytes[16];
    const long count = sysRead(m_readEnd.get(), bytes, sizeof bytes);
    for (long i = 0; i < count; ++i) {
        if (m_received == 0)
            m_received = bytes[i];
        emit arrived(bytes[i]);
    }
}
