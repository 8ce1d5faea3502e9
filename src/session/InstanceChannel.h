#pragma once

#include "session/InstanceMessage.h"

#include <QString>

// The sending side of the messages between instances. An instance is found
// by its title: a local socket of that name in the session user's runtime
// folder, on which the instance's MessageListenWidget listens.
//
// Blocking calls, bounded by kTimeoutMs each step; meant for the GUI thread
// at start-up and for single hand-overs, as a window message would be.
class InstanceChannel
{
public:
    static constexpr int kTimeoutMs = 5000;

    // The socket's path; empty when the session user has no usable runtime
    // folder.
    static QString socketPath(const QString &title);
    // Someone listens under `title`.
    static bool exists(const QString &title);
    // Delivers and waits until the receiver has handled the message.
    static bool send(const QString &title, const InstanceMessage &message);
    // Delivers without waiting for the receiver to handle it.
    static bool post(const QString &title, const InstanceMessage &message);

private:
    static bool deliver(const QString &title, const InstanceMessage &message, bool waitForAcknowledgement);
};
