#include "platform/linux/PeerCredentials.h"

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
