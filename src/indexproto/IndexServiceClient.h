#pragma once

#include "base/IndexingSettings.h"
#include "indexproto/FrameReader.h"
#include "indexproto/ResultBatch.h"
#include "platform/linux/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <functional>

struct SearchQuery;
struct ServiceState;

// One connection to the index service, used by one thread at a time; every
// call blocks until its answer is complete. The service is believed only
// when the kernel says root serves the socket (or this very user, for a
// service of one's own).
class IndexServiceClient
{
public:
    enum Failure {
        None,
        NotListening,    // nothing answers at the socket
        WrongPeer,       // someone other than root or this user serves it
        VersionMismatch, // the service speaks another protocol version
        Refused,         // the service answered with an error (errorText says why)
        Busy,            // the service has no room for this search now; ask again
        Broken,          // the connection broke or the service spoke nonsense
        Canceled,
        TimedOut,        // no answer within the time given; still connected
    };

    IndexServiceClient() = default;

    // Connects to the socket at `path` and greets the service within
    // `timeoutMs`.
    bool open(const QString &path, int timeoutMs = 5000);
    bool isOpen() const { return m_fd.isValid(); }
    void close() { m_fd.reset(); }

    // Streams the results of `query`: `entry` is called for each, then the
    // count of all is put in *count. `canceled` is asked at least every
    // 100 ms; when it says yes the connection is closed (which ends the
    // search in the service) and Canceled comes back. `batchEnd`, when
    // given, is called after the entries of each message the service sent.
    bool search(const SearchQuery &query, const std::function<void(const ResultBatch::Entry &)> &entry,
                const std::function<bool()> &canceled, quint64 *count,
                const std::function<void()> &batchEnd = {});
    bool state(ServiceState *state);
    // Root only: build every volume again / take new indexing settings.
    bool rebuild();
    bool setSettings(const IndexingSettings &settings);

    Failure failure() const { return m_failure; }
    QString errorText() const { return m_error; }

    // The next frame's payload within `timeoutMs` (-1: no limit).
    bool receive(QByteArray *payload, int timeoutMs);
    bool sendFrame(const QByteArray &frame);

private:
    bool fail(Failure failure, const QString &text);
    bool greet(int timeoutMs);
    bool request(const QByteArray &frame, quint8 expected, QByteArray *body);
    bool takeError(const QByteArray &payload);

    FileDescriptor m_fd;
    FrameReader m_reader;
    Failure m_failure = None;
    QString m_error;
    QString m_path;
};
