#include "base/Logger.h"

#include "platform/linux/CrashHandler.h"
#include "platform/linux/LocalClock.h"
#include "platform/linux/ThreadId.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QTime>
#include <QtEndian>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// How long an entry may wait in the buffer when nothing else comes.
constexpr std::chrono::seconds kFlushDelay{1};

} // namespace

static std::atomic<Logger *> g_processLog{nullptr};

void Logger::flushProcessLog()
{
    if (Logger *logger = g_processLog.load())
        logger->flush();
}

Logger *Logger::instance(const QString &path, OpenMode mode)
{
    // Deliberately never destroyed: threads may still log while statics are
    // torn down, and the system closes the file at exit, after the buffer
    // is written.
    static Logger *logger = [&path, mode] {
        auto *created = new Logger(path, mode);
        if (created->m_good)
            setCrashLogBuffer(created->m_file.handle(), created->m_buffer.get(), &created->m_used,
                              &created->m_cutPending);
        std::atexit(&Logger::flushProcessLog);
        g_processLog = created;
        return created;
    }();
    return logger;
}

Logger::Logger(const QString &path, OpenMode mode)
{
    if (path.isEmpty())
        return;
    // The data folder may not exist yet on a fresh account (nor its parents).
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_file.setFileName(path);
    m_buffer = std::make_unique<char[]>(kBufferBytes);
    if (mode == Append) {
        m_good = m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
        return;
    }
    // The last log is written over from its start and cut where the new one
    // ends when it is first written out, not emptied here: emptying frees
    // its blocks, which on a file system mounted with online discard waits
    // for the disk, at every start of a program that may run for a few
    // milliseconds. A log this process may not read is emptied as before.
    m_good = m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (m_good)
        m_cutPending = m_file.size() > 0;
    else
        m_good = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    if (!m_good)
        return;
    // The byte-order mark waits in the buffer with the first entries.
    const char16_t bom = 0xFEFF;
    qToLittleEndian<quint16>(&bom, 1, m_buffer.get());
    m_used = sizeof bom;
}

Logger::~Logger()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_flusher.joinable())
        m_flusher.join();
    flush();
}

QString Logger::levelWord(int level)
{
    switch (level) {
    case INFO:
        return QStringLiteral("INFO");
    case WARNING:
        return QStringLiteral("WARNING");
    case ERROR:
        return QStringLiteral("ERROR");
    case DEBUG:
        return QStringLiteral("DEBUG");
    default:
        return QString();
    }
}

// Appends `value` in decimal, zero-padded to `width` digits. Written out by
// hand: a search may log tens of thousands of lines, and a number made as
// a string of its own cost an allocation each.
static void appendNumber(QString &out, qint64 value, int width)
{
    if (value < 0) {
        out += QLatin1Char('-');
        value = -value;
    }
    QChar digits[20];
    int count = 0;
    do {
        digits[count++] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    } while (value > 0 && count < 20);
    for (int i = count; i < width; ++i)
        out += QLatin1Char('0');
    while (count > 0)
        out += digits[--count];
}

QString Logger::formatLine(const QTime &time, qint64 threadId, int level, const char *component,
                           const QString &message)
{
    QString line;
    line.reserve(64 + message.size());
    appendNumber(line, time.hour(), 2);
    line += QLatin1Char(':');
    appendNumber(line, time.minute(), 2);
    line += QLatin1Char(':');
    appendNumber(line, time.second(), 2);
    line += QLatin1Char(':');
    appendNumber(line, time.msec(), 3);
    line += QLatin1Char(' ');
    appendNumber(line, threadId, 1);
    line += QLatin1Char('\t');
    line += levelWord(level);
    line += QLatin1Char('\t');
    line += QLatin1String(component ? component : "");
    line += QLatin1Char('\t');
    line += message;
    line += QLatin1String("\r\n");
    return line;
}

void Logger::log(int level, const char *component, const QString &message)
{
    if (m_echoProblems && (level == WARNING || level == ERROR)) {
        const QByteArray line = (levelWord(level) + QLatin1Char(' ') + QLatin1String(component)
                                 + QLatin1String(": ") + message + QLatin1Char('\n')).toUtf8();
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    if (!m_good)
        return;
    write(formatLine(currentLocalTime(), currentThreadId(), level, component, message),
          /*now=*/level == WARNING || level == ERROR);
}

void Logger::log(int level, const char *component, const std::wstring &message)
{
    log(level, component, QString::fromStdWString(message));
}

void Logger::log(int level, const char *component, const char *message)
{
    log(level, component, QLatin1String(message ? message : ""));
}

void Logger::write(const QString &line, bool now)
{
    // The file holds UTF-16LE: on a little-endian processor that is the
    // line's own memory, copied as it is.
    QByteArray swapped;
    const char *bytes = reinterpret_cast<const char *>(line.utf16());
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        swapped.resize(line.size() * 2);
        qToLittleEndian<quint16>(line.utf16(), line.size(), swapped.data());
        bytes = swapped.constData();
    }
    const std::size_t size = std::size_t(line.size()) * 2;
    std::unique_lock<std::mutex> lock(m_mutex);
    std::size_t used = m_used.load(std::memory_order_relaxed);
    if (used + size > kBufferBytes) {
        writeBufferLocked();
        used = 0;
    }
    if (size > kBufferBytes) {
        m_file.write(bytes, qint64(size));
        return;
    }
    std::memcpy(m_buffer.get() + used, bytes, size);
    m_used.store(used + size, std::memory_order_release);
    if (now) {
        writeBufferLocked();
    } else {
        if (m_writesWhenIdle && !m_flusher.joinable() && !m_stopping)
            m_flusher = std::thread(&Logger::waitAndFlush, this);
        if (used == 0)
            m_wake.notify_one();
    }
}

// Unbuffered: each batch reaches the file in one write, which is the flush.
// In Append mode a batch holds whole lines, so another process's lines never
// cut into one.
void Logger::writeBufferLocked()
{
    const std::size_t used = m_used.load(std::memory_order_relaxed);
    if (used == 0)
        return;
    m_file.write(m_buffer.get(), qint64(used));
    m_used.store(0, std::memory_order_release);
    if (m_cutPending) {
        m_file.resize(m_file.pos());
        m_cutPending = false;
    }
}

void Logger::flush()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_buffer)
        writeBufferLocked();
}

// The logger's own thread: writes what waited a while with nothing to push
// it out, so an idle program's last entries are on disk soon.
void Logger::waitAndFlush()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        m_wake.wait(lock, [this] { return m_stopping || m_used.load(std::memory_order_relaxed) != 0; });
        if (m_stopping)
            return;
        m_wake.wait_for(lock, kFlushDelay, [this] { return m_stopping; });
        writeBufferLocked();
    }
}
