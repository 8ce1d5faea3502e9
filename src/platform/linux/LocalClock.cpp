#include "platform/linux/LocalClock.h"

#include <ctime>
#include <mutex>

QTime currentLocalTime()
{
    static std::once_flag zoneRead;
    std::call_once(zoneRead, [] { ::tzset(); });
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    // localtime_r, unlike localtime, keeps the zone read once.
    if (::localtime_r(&now.tv_sec, &local) == nullptr)
        return QTime::currentTime();
    return QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59), int(now.tv_nsec / 1000000));
}
