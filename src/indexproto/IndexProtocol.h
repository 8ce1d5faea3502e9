#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The conversation between the index service and its clients over a local
// stream socket. Every message is one frame: a 32-bit little-endian length,
// then that many bytes, the first of which is the message type. A frame is
// never longer than kMaxFrameSize; a peer that announces more is dropped.
//
// The client speaks first with Hello (magic, version); the service answers
// Welcome, or Error(VersionMismatch) and closes. Then, in any order:
//   Search -> Results... -> Done        (or Error with the request id)
//   Cancel(id)                          ends that search early (no Done)
//   StateRequest -> State, and later States whenever the index changes
//   Rebuild / SetSettings -> Accepted   (root only, else Error(NotPermitted))
// Names and paths travel as the file system's bytes, never re-encoded.
namespace IndexProtocol {

constexpr quint32 kMagic = 0x49515654; // "TVQI" on the wire
// 2: Results entries may repeat the parent of the entry before by a flag.
constexpr quint16 kVersion = 2;
constexpr int kLengthSize = 4;
constexpr int kMaxFrameSize = 1 << 20; // the type byte and the body
// Results are sent in batches of about this many bytes.
constexpr int kBatchSize = 64 * 1024;

enum MessageType : quint8 {
    Hello = 1,
    Welcome = 2,
    Search = 3,
    Cancel = 4,
    Results = 5,
    Done = 6,
    Error = 7,
    StateRequest = 8,
    State = 9,
    Rebuild = 10,
    SetSettings = 11,
    Accepted = 12,
};

enum ErrorCode : quint8 {
    VersionMismatch = 1,
    BadMessage = 2,
    InvalidExpression = 3,
    NotPermitted = 4,
    Busy = 5,
    Failed = 6,
};

// The socket every client asks: $TALVENQUIST_INDEX_SOCKET when set, else
// "/run/talvenquist/index.socket".
QString socketPath();
QString defaultSocketPath();

// A whole frame of `type` with `body`.
QByteArray frame(MessageType type, const QByteArray &body = QByteArray());

QByteArray helloBody(quint32 magic = kMagic, quint16 version = kVersion);
QByteArray errorBody(quint32 requestId, ErrorCode code, const QString &message);
QByteArray requestIdBody(quint32 requestId);
QByteArray doneBody(quint32 requestId, quint64 count);

} // namespace IndexProtocol
