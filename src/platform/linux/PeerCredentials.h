#pragma once

#include <sys/types.h>

// Who is at the other end of a connected local (AF_UNIX) socket, as the
// kernel recorded it when the connection was made: it cannot be forged by
// the peer, unlike anything the peer writes.
struct PeerCredentials
{
    pid_t pid = 0;
    uid_t uid = uid_t(-1);
    gid_t gid = gid_t(-1);
};

// SO_PEERCRED of `socketFd`; false (errno set) when it is not a connected
// local socket.
bool readPeerCredentials(int socketFd, PeerCredentials *credentials);
