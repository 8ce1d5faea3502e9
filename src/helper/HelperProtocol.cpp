#include "helper/HelperProtocol.h"

#include "platform/linux/LocalStream.h"
#include "platform/linux/SessionUser.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QUuid>
#include <QtEndian>

#include <cerrno>
#include <limits>

const char HelperProtocol::kGetFilters[] = "GET_IFILTERS";
const char HelperProtocol::kConvert[] = "CONVERT\n";
const char HelperProtocol::kExit[] = "EXIT";
const char HelperProtocol::kTimeout[] = "TIMEOUT";

namespace {
// Room in a local socket's address (sun_path) for the path and its zero.
const int kMaxSocketPath = 107;
} // namespace

QString HelperProtocol::socketPath(const QString &channel)
{
    // QStandardPaths checks that the runtime folder belongs to this user and
    // is closed to others; nothing else may reach the socket.
    // Without XDG_RUNTIME_DIR (sudo, su, cron) it would make one of its own
    // in the temporary folder and say so on standard error; the private
    // temporary folder below serves as well, silently.
    const QString folder = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
                               ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                               : QString();
    const QUuid id(channel);
    if (id.isNull())
        return QString();
    // A socket's path has room for 107 bytes: the name is kept short (the
    // id as 32 hex digits), and a runtime folder too deep for it gives way to
    // the user's private folder in the temporary location, which the helper
    // (the same user, the same environment) finds the same way.
    const QString name = QStringLiteral("/tvq-helper-") + QString::fromLatin1(id.toRfc4122().toHex());
    if (!folder.isEmpty() && QFile::encodeName(folder + name).size() <= kMaxSocketPath)
        return folder + name;
    // The process's own user: a root program's helper must not listen in a
    // folder that the user it acts for owns.
    const QString fallback = SessionUser::ofProcess().privateTemporaryDirectory();
    return fallback.isEmpty() || QFile::encodeName(fallback + name).size() > kMaxSocketPath ? QString()
                                                                                             : fallback + name;
}

QByteArray HelperProtocol::encodeFrame(const QString &message)
{
    const quint32 bytes = quint32(message.size()) * 2;
    QByteArray frame(int(4 + bytes), Qt::Uninitialized);
    qToLittleEndian<quint32>(bytes, frame.data());
    qToLittleEndian<quint16>(message.utf16(), message.size(), frame.data() + 4);
    return frame;
}

bool HelperProtocol::takeFrame(QByteArray *buffer, QString *message, bool *broken)
{
    *broken = false;
    if (buffer->size() < 4)
        return false;
    const quint32 bytes = qFromLittleEndian<quint32>(buffer->constData());
    if (bytes > kMaxFrameBytes || bytes % 2 != 0) {
        *broken = true;
        return false;
    }
    if (quint32(buffer->size()) - 4 < bytes)
        return false;
    message->resize(int(bytes / 2));
    qFromLittleEndian<quint16>(buffer->constData() + 4, bytes / 2, message->data());
    buffer->remove(0, int(4 + bytes));
    return true;
}

QString HelperProtocol::formatFilterList(const QList<IFilterInfo> &filters)
{
    QStringList lines{QString::number(filters.size())};
    for (const IFilterInfo &filter : filters) {
        lines << filter.clsid << filter.name << QString::number(filter.extensions.size());
        lines += filter.extensions;
    }
    return lines.join(QLatin1Char('\n'));
}

int HelperProtocol::leadingInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}

QList<IFilterInfo> HelperProtocol::parseFilterList(const QString &reply)
{
    const QStringList lines = reply.split(QLatin1Char('\n'));
    QList<IFilterInfo> filters;
    int next = 0;
    const int count = leadingInteger(lines.value(next++));
    // Every count is bounded by the lines that are really there, so a
    // helper that claims two billion filters costs nothing.
    for (int i = 0; i < count && next + 3 <= lines.size(); ++i) {
        IFilterInfo filter;
        filter.clsid = lines.at(next++);
        filter.name = lines.at(next++);
        const int extensions = leadingInteger(lines.at(next++));
        for (int e = 0; e < extensions && next < lines.size(); ++e)
            filter.extensions.append(lines.at(next++));
        filters.append(filter);
    }
    return filters;
}

HelperProtocol::Received HelperProtocol::receiveFrame(int fd, QByteArray *pending, QString *message, int *error,
                                                      int timeoutMs)
{
    // Big enough for a whole request or reply (a path) in one call.
    char buffer[16 * 1024];
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        bool broken = false;
        if (takeFrame(pending, message, &broken))
            return Received::Message;
        if (broken)
            return Received::Malformed;
        const qint64 got = LocalStream::receive(fd, buffer, sizeof buffer, int(deadline.remainingTime()));
        if (got < 0 && errno == ETIMEDOUT)
            return Received::TimedOut;
        if (got <= 0) {
            *error = got == 0 ? 0 : errno;
            return Received::Closed;
        }
        pending->append(buffer, int(got));
    }
}
