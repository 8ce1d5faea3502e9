#include "platform/linux/SignalPipe.h"

#include "platform/linux/SysCall.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

// The handler's only state: the pipe's write end, or -1.
static std::atomic<int> s_writeFd{-1};

extern "C" void signalPipeHandler(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe drops the byte: the ones already queued end the program anyway.
    [[maybe_unused]] const ssize_t written = ::write(s_writeFd.load(), &byte, 1);
    errno = savedErrno;
}

SignalPipe::SignalPipe(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd.reset(fds[0]);
    m_writeEnd.reset(fds[1]);
    s_writeFd = m_writeEnd.get();
    m_notifier = new QSocketNotifier(m_readEnd.get(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalPipe::onReadable);

    m_valid = true;
    struct sigaction action = {};
    action.sa_handler = signalPipeHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : signalNumbers) {
        if (::sigaction(number, &action, nullptr) == 0)
            m_signals.append(number);
        else
            m_valid = false;
    }
}

SignalPipe::~SignalPipe()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : qAsConst(m_signals))
        ::sigaction(number, &action, nullptr);
    s_writeFd = -1;
}

void SignalPipe::onReadable()
{
    unsigned char byte = 0;
    while (sysRead(m_readEnd.get(), &byte, 1) == 1)
        emit received(byte);
}
