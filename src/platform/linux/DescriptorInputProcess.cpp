#include "platform/linux/DescriptorInputProcess.h"

#include <unistd.h>

DescriptorInputProcess::DescriptorInputProcess(int inputFd, QObject *parent)
    : QProcess(parent)
    , m_inputFd(inputFd)
{
    // No pipe for a standard input that is replaced in the child anyway.
    setStandardInputFile(QProcess::nullDevice());
}

void DescriptorInputProcess::setupChildProcess()
{
    // The child shares the file's offset with the caller, who is waiting
    // for the program and reads the file again only from an offset of its
    // own choosing. A program that cannot get its input must not run on
    // something else.
    if (m_inputFd < 0)
        return;
    if (::lseek(m_inputFd, 0, SEEK_SET) != 0 || ::dup2(m_inputFd, STDIN_FILENO) != STDIN_FILENO)
        ::_exit(127);
}
