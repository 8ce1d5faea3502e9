#pragma once

#include <QObject>
#include <QTimer>

#include <functional>


// A self-rewriting status line on standard error for long work (a first
// build of the index, a long contents check). Shown only when standard
// error is a terminal, so pipes and logs never receive it.
class ProgressLine : public QObject
{
    Q_OBJECT
public:
    explicit ProgressLine(bool enabled, QObject *parent = nullptr);
    ~ProgressLine() override;

    // Redraws every 250 ms with the text `describe` returns for the seconds elapsed.
    void start(std::function<QString(int seconds)> describe);
    // Clears the line.
    void stop();

private:
    void draw();

    bool m_enabled;
    QTimer m_timer;
    qint64 m_startedMs = 0;
    std::function<QString(int)> m_describe;
    bool m_shown = false;
};
