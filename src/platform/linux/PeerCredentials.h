#pragma once

#include <sys/types.h>

#include <vector>

// Who is at the other end of a connected local (AF_UNIX) socket, as the
// kernel recorded it when the connection was made: it cannot be forged by
// the peer, unlike anything the peer writes.
struct PeerCredentials
{
    pid_t pid = 0;
    uid_t uid = uid_t(-1);
    gid_t gid = gid_t(-1);
    // The supplementary groups the peer process held at connect time
    // (SO_PEERGROUPS), not what /etc/group says today.
    std::vector<gid_t> groups;
};

// SO_PEERCRED of `socketFd`; false (errno set) when it is not a connected
// local socket. The groups are left empty.
bool readPeerCredentials(int socketFd, PeerCredentials *credentials);
// SO_PEERCRED and SO_PEERGROUPS; false (errno set) when either cannot be read.
bool readPeerIdentity(int socketFd, PeerCredentials *credentials);
