#pragma once

#include <QProcess>

// A QProcess whose program reads, as its standard input, a file that the
// caller already holds open, from the file's start. The file is the one
// that was opened and checked, whatever its name points to since. The
// descriptor stays the caller's; it must stay open until the program has
// started. With -1 the program's standard input is empty.
class DescriptorInputProcess : public QProcess
{
public:
    explicit DescriptorInputProcess(int inputFd, QObject *parent = nullptr);

protected:
    // Runs in the child between fork and exec: system calls only.
    void setupChildProcess() override;

private:
    int m_inputFd;
};
