#include "cli/ProgressLine.h"

#include <QDateTime>

#include <cstdio>

ProgressLine::ProgressLine(bool enabled, QObject *parent)
    : QObject(parent)
    , m_enabled(enabled)
{
    m_timer.setInterval(250);
    connect(&m_timer, &QTimer::timeout, this, &ProgressLine::draw);
}

ProgressLine::~ProgressLine()
{
    stop();
}

void ProgressLine::start(std::function<QString(int)> describe)
{
    if (!m_enabled)
        return;
    m_describe = std::move(describe);
    m_startedMs = QDateTime::currentMSecsSinceEpoch();
    m_timer.start();
}

void ProgressLine::stop()
{
    m_timer.stop();
    if (m_shown) {
        // Carriage return, then erase to the end of the line.
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        m_shown = false;
    }
}

void ProgressLine::draw()
{
    const int seconds = int((QDateTime::currentMSecsSinceEpoch() - m_startedMs) / 1000);
    const QByteArray text = m_describe(seconds).toLocal8Bit();
    std::fprintf(stderr, "\r\033[K%s", text.constData());
    std::fflush(stderr);
    m_shown = true;
}
