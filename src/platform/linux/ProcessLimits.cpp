#include "platform/linux/ProcessLimits.h"

#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define TVQ_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TVQ_ADDRESS_SANITIZER 1
#endif
#endif

bool limitAddressSpace(std::uint64_t bytes)
{
#ifdef TVQ_ADDRESS_SANITIZER
    (void)bytes;
    return true;
#else
    struct rlimit limit;
    limit.rlim_cur = bytes;
    limit.rlim_max = bytes;
    return setrlimit(RLIMIT_AS, &limit) == 0;
#endif
}
