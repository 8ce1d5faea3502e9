#pragma once

#include "base/IFilterInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The messages between the program and its document helper, and how they
// travel. The channel is a local stream socket in the user's runtime folder
// (only this user may open it); a stream has no message boundaries, so each
// message is its byte length (32-bit, little-endian) followed by that many
// bytes of UTF-16LE text without terminator.
class HelperProtocol
{
public:
    static const char kGetFilters[]; // "GET_IFILTERS"
    static const char kConvert[];    // "CONVERT\n", followed by the document's path
    static const char kExit[];       // "EXIT"
    static const char kTimeout[];    // reply: the helper gave up on the document

    // Larger frames are refused as a broken channel, not allocated.
    static constexpr quint32 kMaxFrameBytes = 64u * 1024 * 1024;

    // The socket's path for a channel name (a braced QUuid); empty when the
    // user has no usable runtime folder.
    static QString socketPath(const QString &channel);

    static QByteArray encodeFrame(const QString &message);
    // Takes one whole message off the front of 'buffer' into '*message'.
    // False when the buffer does not hold a whole message yet; '*broken' is
    // set when the length is impossible (the channel cannot recover).
    static bool takeFrame(QByteArray *buffer, QString *message, bool *broken);

    enum class Received { Message, Malformed, Closed, TimedOut };
    // Waits on the connected socket 'fd' until 'pending' (the bytes kept
    // between calls) holds a whole message, and takes it. Closed: the peer
    // ended its side (*error 0) or the call failed (*error is errno).
    // TimedOut: no whole message within 'timeoutMs' (-1: no limit).
    static Received receiveFrame(int fd, QByteArray *pending, QString *message, int *error, int timeoutMs = -1);

    // The filter list reply: the count; then per filter its id, its name, the
    // count of its extensions and the extensions, one per line.
    static QString formatFilterList(const QList<IFilterInfo> &filters);
    // The reverse. Counts are read like C's wtoi (a non-number is 0); a list
    // that ends early yields the filters it completed.
    static QList<IFilterInfo> parseFilterList(const QString &reply);
    static int leadingInteger(const QString &text);
};
