#include "indexproto/IndexServiceClient.h"

#include "indexproto/IndexProtocol.h"
#include "indexproto/MessageReader.h"
#include "indexproto/SearchQuery.h"
#include "indexproto/ServiceState.h"
#include "platform/linux/LocalStream.h"
#include "platform/linux/PeerCredentials.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <unistd.h>

namespace {

constexpr int kPollMs = 100;
constexpr int kReplyMs = 30000;

} // namespace

bool IndexServiceClient::fail(Failure failure, const QString &text)
{
    m_failure = failure;
    m_error = text;
    m_fd.reset();
    return false;
}

bool IndexServiceClient::open(const QString &path, int timeoutMs)
{
    m_path = path;
    m_reader = FrameReader();
    m_fd = LocalStream::connect(path);
    if (!m_fd.isValid())
        return fail(NotListening, QStringLiteral("no index service answers at %1").arg(path));
    PeerCredentials peer;
    if (!readPeerCredentials(m_fd.get(), &peer))
        return fail(Broken, QStringLiteral("%1: the service's identity cannot be read").arg(path));
    // Anyone may make a socket anywhere; only root's service (or one's own)
    // is trusted to say what exists.
    if (peer.uid != 0 && peer.uid != ::getuid())
        return fail(WrongPeer, QStringLiteral("%1 is served by user %2, not by root").arg(path).arg(peer.uid));
    return greet(timeoutMs);
}

bool IndexServiceClient::greet(int timeoutMs)
{
    if (!sendFrame(IndexProtocol::frame(IndexProtocol::Hello, IndexProtocol::helloBody())))
        return false;
    QByteArray payload;
    if (!receive(&payload, timeoutMs))
        return m_failure == TimedOut ? fail(Broken, QStringLiteral("%1 does not answer").arg(m_path)) : false;
    if (quint8(payload.at(0)) == IndexProtocol::Error)
        return takeError(payload);
    MessageReader in(payload.constData() + 1, payload.size() - 1);
    const quint32 magic = in.u32();
    const quint16 version = in.u16();
    if (quint8(payload.at(0)) != IndexProtocol::Welcome || !in.complete() || magic != IndexProtocol::kMagic)
        return fail(Broken, QStringLiteral("%1 is not an index service").arg(m_path));
    if (version != IndexProtocol::kVersion) {
        return fail(VersionMismatch, QStringLiteral("the index service speaks protocol version %1, this program %2")
                                         .arg(version)
                                         .arg(IndexProtocol::kVersion));
    }
    m_failure = None;
    return true;
}

bool IndexServiceClient::takeError(const QByteArray &payload)
{
    MessageReader in(payload.constData() + 1, payload.size() - 1);
    in.u32();
    const quint8 code = in.u8();
    const QString text = QString::fromUtf8(in.bytes());
    if (!in.complete())
        return fail(Broken, QStringLiteral("the index service sent a damaged message"));
    const Failure failure = code == IndexProtocol::VersionMismatch ? VersionMismatch
                            : code == IndexProtocol::Busy          ? Busy
                                                                   : Refused;
    return fail(failure, text);
}

bool IndexServiceClient::sendFrame(const QByteArray &frame)
{
    if (!m_fd.isValid())
        return fail(Broken, QStringLiteral("not connected to the index service"));
    if (!LocalStream::sendAll(m_fd.get(), frame.constData(), frame.size(), kReplyMs))
        return fail(Broken, QStringLiteral("the index service went away"));
    return true;
}

bool IndexServiceClient::receive(QByteArray *payload, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    char buffer[65536];
    for (;;) {
        switch (m_reader.next(payload)) {
        case FrameReader::Frame:
            return true;
        case FrameReader::Invalid:
            return fail(Broken, QStringLiteral("the index service sent a damaged message"));
        case FrameReader::NeedMore:
            break;
        }
        if (!m_fd.isValid())
            return fail(Broken, QStringLiteral("not connected to the index service"));
        const qint64 got = LocalStream::receive(m_fd.get(), buffer, sizeof buffer,
                                                deadline.isForever() ? -1 : int(deadline.remainingTime()));
        if (got < 0 && errno == ETIMEDOUT) {
            m_failure = TimedOut;
            m_error = QStringLiteral("the index service did not answer in time");
            return false;
        }
        if (got <= 0)
            return fail(Broken, QStringLiteral("the index service went away"));
        m_reader.append(buffer, int(got));
    }
}

bool IndexServiceClient::search(const SearchQuery &query, const std::function<void(const ResultBatch::Entry &)> &entry,
                                const std::function<bool()> &canceled, quint64 *count,
                                const std::function<void()> &batchEnd)
{
    if (!sendFrame(IndexProtocol::frame(IndexProtocol::Search, query.encode())))
        return false;
    QByteArray payload;
    for (;;) {
        if (canceled && canceled()) {
            m_fd.reset();
            return fail(Canceled, QStringLiteral("canceled"));
        }
        if (!receive(&payload, kPollMs)) {
            if (m_failure == TimedOut)
                continue; // only the poll interval passed
            return false;
        }
        const quint8 type = quint8(payload.at(0));
        // A view of the payload, which a batch of results makes large.
        const QByteArray body = QByteArray::fromRawData(payload.constData() + 1, payload.size() - 1);
        quint32 id = 0;
        if (type == IndexProtocol::Results) {
            if (!ResultBatch::decode(body, &id, entry) || id != query.requestId)
                return fail(Broken, QStringLiteral("the index service sent a damaged message"));
            if (batchEnd)
                batchEnd();
        } else if (type == IndexProtocol::Done) {
            MessageReader in(body);
            id = in.u32();
            *count = in.u64();
            if (!in.complete() || id != query.requestId)
                return fail(Broken, QStringLiteral("the index service sent a damaged message"));
            return true;
        } else if (type == IndexProtocol::Error) {
            return takeError(payload);
        }
        // State notifications may come in between; they are not this call's.
    }
}

bool IndexServiceClient::request(const QByteArray &frame, quint8 expected, QByteArray *body)
{
    if (!sendFrame(frame))
        return false;
    QByteArray payload;
    for (;;) {
        if (!receive(&payload, kReplyMs))
            return m_failure == TimedOut ? fail(Broken, m_error) : false;
        const quint8 type = quint8(payload.at(0));
        if (type == IndexProtocol::Error)
            return takeError(payload);
        if (type == expected) {
            *body = payload.mid(1);
            return true;
        }
    }
}

bool IndexServiceClient::state(ServiceState *state)
{
    QByteArray body;
    if (!request(IndexProtocol::frame(IndexProtocol::StateRequest), IndexProtocol::State, &body))
        return false;
    const std::optional<ServiceState> decoded = ServiceState::decode(body);
    if (!decoded)
        return fail(Broken, QStringLiteral("the index service sent a damaged message"));
    *state = *decoded;
    return true;
}

bool IndexServiceClient::rebuild()
{
    QByteArray body;
    return request(IndexProtocol::frame(IndexProtocol::Rebuild), IndexProtocol::Accepted, &body);
}

bool IndexServiceClient::setSettings(const IndexingSettings &settings)
{
    QByteArray body;
    return request(IndexProtocol::frame(IndexProtocol::SetSettings, ServiceState::encodeSettings(settings)),
                   IndexProtocol::Accepted, &body);
}
