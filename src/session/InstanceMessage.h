#pragma once

#include <QByteArray>
#include <QString>

// One message between instances of the program, and its wire form on the
// local socket. The numbers and kinds are fixed: older and newer instances
// must understand each other, and unknown kinds are ignored by receivers.
//
// Frame (all integers little-endian): message number (u32), wParam (u64),
// kind (u64), byte count (u32), then that many payload bytes. Only copy-data
// messages carry a payload: a UTF-16LE string with its terminating zero, so
// the byte count is (characters + 1) * 2. The receiver answers every frame
// it has handled with one acknowledgement byte.
struct InstanceMessage
{
    enum Number : quint32 {
        CopyData = 74,
        Activate = 1025,
        SendArguments = 1026,
        AdminPid = 1027,
    };
    enum Kind : quint64 {
        CopyDataNewSearch = 0,
        CopyDataArguments = 1,
        CopyDataOpenFile = 2,
        // Kinds 3 and up are the companion's further errands in the user's
        // session (file operations).
        //
        // The desktop's startup-notification token of a second start
        // (XDG_ACTIVATION_TOKEN, DESKTOP_STARTUP_ID), sent to the main
        // instance before the activation it belongs to so the window may
        // take the focus. Far from the companion's kinds.
        CopyDataActivationToken = 256,
    };
    enum class Parse { Incomplete, Complete, Malformed };

    static constexpr int kHeaderSize = 4 + 8 + 8 + 4;
    static constexpr quint32 kMaxPayload = 1024 * 1024;
    static constexpr char kAcknowledgement = '\x06';

    quint32 message = 0;
    quint64 wParam = 0;
    quint64 kind = 0;
    QByteArray payload;

    static InstanceMessage plain(quint32 message, quint64 wParam = 0);
    static InstanceMessage copyData(quint64 kind, const QString &text);
    // The payload's string without its terminating zero.
    QString text() const;

    QByteArray encode() const;
    // Takes one frame from the front of `buffer` when it holds a whole one.
    // Malformed: the byte count is over kMaxPayload, a plain message has a
    // payload, or a copy-data payload is not a terminated UTF-16 string;
    // `error` then says which and the buffer is left as it was.
    static Parse parse(QByteArray *buffer, InstanceMessage *message, QString *error);
};

constexpr quint32 kMsgActivate = InstanceMessage::Activate;
constexpr quint32 kMsgSendArguments = InstanceMessage::SendArguments;
constexpr quint32 kMsgAdminPid = InstanceMessage::AdminPid;
