#pragma once

#include <QString>
#include <QThread>

// Reads standard input line by line on a thread of its own, so the event
// loop keeps running (index monitors, searches) while no line has come.
// Lines arrive by queued signal, in order, without their line end.
class LineReader : public QThread
{
    Q_OBJECT
public:
    explicit LineReader(QObject *parent = nullptr);

    // Asks the reader to end: it stops at the next line or the end of input,
    // whichever comes first (a read already waiting is not broken off).
    void stop() { requestInterruption(); }

signals:
    void lineRead(const QString &line);
    void endOfInput();

protected:
    void run() override;
};
