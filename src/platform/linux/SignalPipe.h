#pragma once

#include "platform/linux/FileDescriptor.h"

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns POSIX signals into a Qt signal on the thread that made the object:
// the handler only writes the signal number into a pipe (the one thing a
// handler may safely do), and a socket notifier reads it in the event loop.
// One object per process; the handlers stay installed until it is destroyed,
// when the default handling comes back.
class SignalPipe : public QObject
{
    Q_OBJECT
public:
    explicit SignalPipe(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~SignalPipe() override;

    // False when the pipe or a handler could not be set up.
    bool isValid() const { return m_valid; }

signals:
    void received(int signalNumber);

private:
    void onReadable();

    FileDescriptor m_readEnd;
    FileDescriptor m_writeEnd;
    QSocketNotifier *m_notifier = nullptr;
    QList<int> m_signals;
    bool m_valid = false;
};
