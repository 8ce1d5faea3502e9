#include "platform/linux/ThreadId.h"

#include <unistd.h>

std::int64_t currentThreadId()
{
    // Cached per thread: the id never changes and gettid is a system call.
    thread_local const std::int64_t id = ::gettid();
    return id;
}
