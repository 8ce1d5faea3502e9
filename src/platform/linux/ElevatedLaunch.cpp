#include "platform/linux/ElevatedLaunch.h"

#include "platform/linux/FileDescriptor.h"
#include "platform/linux/Polkit.h"
#include "platform/linux/SysCall.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

ElevatedLaunch::ElevatedLaunch(const QStringList &arguments)
{
    const QString program = Polkit::pkexecProgram();
    // The kernel keeps the first 15 bytes of an executable's name as its comm.
    m_pkexecName = QFile::encodeName(QFileInfo(program).fileName()).left(15);
    std::vector<QByteArray> encoded;
    encoded.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &item : encoded)
        argv.push_back(item.data());
    argv.push_back(nullptr);
    // The child holds the write end until its exec closes it: end of file
    // on the read end means the exec is under way (see poll()).
    int execPipe[2];
    if (::pipe2(execPipe, O_CLOEXEC) != 0)
        return;
    FileDescriptor readEnd(execPipe[0]);
    FileDescriptor writeEnd(execPipe[1]);
    if (::posix_spawnp(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
        return;
    }
    writeEnd.reset();
    char byte;
    while (sysRead(readEnd.get(), &byte, 1) < 0 && errno == EINTR) {
    }
    m_state = Waiting;
}

ElevatedLaunch::~ElevatedLaunch()
{
    // Reap it if it is already gone; a running one is left alone.
    if (m_pid > 0 && m_exitCode < 0)
        ::waitpid(m_pid, nullptr, WNOHANG);
}

// The name the kernel shows for `pid`, without the line end.
static QByteArray processName(pid_t pid)
{
    const QByteArray path = "/proc/" + QByteArray::number(pid) + "/comm";
    FileDescriptor fd = sysOpenAt(AT_FDCWD, path.constData(), O_RDONLY);
    char buffer[64];
    const long n = fd.isValid() ? sysRead(fd.get(), buffer, sizeof(buffer)) : -1;
    return n > 0 ? QByteArray(buffer, int(n)).trimmed() : QByteArray();
}

ElevatedLaunch::State ElevatedLaunch::poll()
{
    if (m_state != Waiting)
        return m_state;
    int status = 0;
    pid_t reaped;
    while ((reaped = ::waitpid(m_pid, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (reaped == m_pid) {
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        // Anything but pkexec's own refusals means the program ran (and may
        // already have finished, as a one-shot switch does).
        m_state = (m_exitCode == 126 || m_exitCode == 127) ? Failed : Started;
        return m_state;
    }
    // The kernel names the process after the new program a moment after
    // closing its descriptors; callers poll on a timer, well after that.
    const QByteArray name = processName(m_pid);
    if (!name.isEmpty() && name != m_pkexecName)
        m_state = Started;
    return m_state;
}
