#include "platform/linux/PeerCredentials.h"

#include <cerrno>
#include <sys/socket.h>

bool readPeerCredentials(int socketFd, PeerCredentials *credentials)
{
    struct ucred cred;
    socklen_t size = sizeof(cred);
    if (::getsockopt(socketFd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0 || size != sizeof(cred))
        return false;
    credentials->pid = cred.pid;
    credentials->uid = cred.uid;
    credentials->gid = cred.gid;
    return true;
}

bool readPeerIdentity(int socketFd, PeerCredentials *credentials)
{
    if (!readPeerCredentials(socketFd, credentials))
        return false;
    // The kernel says how much room the list needs when it is too small.
    std::vector<gid_t> groups(64);
    for (int attempt = 0; attempt < 4; ++attempt) {
        socklen_t size = socklen_t(groups.size() * sizeof(gid_t));
        if (::getsockopt(socketFd, SOL_SOCKET, SO_PEERGROUPS, groups.data(), &size) == 0) {
            groups.resize(size / sizeof(gid_t));
            credentials->groups = std::move(groups);
            return true;
        }
        if (errno != ERANGE)
            return false;
        groups.resize(size / sizeof(gid_t) + 1);
    }
    return false;
}
