#include "platform/linux/LocalClock.h"

#include <ctime>
#include <mutex>

QTime currentLocalTime()
{
    static std::once_flag zoneRead;
    std::call_once(zoneRead, [] { ::tzset(); });
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // The clock's fields change once a second: this thread converts each
    // second once. localtime_r takes a process-wide lock, and a search that
    // logs a line per skipped file would take it tens of thousands of times.
    thread_local time_t second = -1;
    thread_local tm local{};
    if (now.tv_sec != second) {
        // localtime_r, unlike localtime, keeps the zone read once.
        if (::localtime_r(&now.tv_sec, &local) == nullptr) {
            second = -1;
            return QTime::currentTime();
        }
        second = now.tv_sec;
    }
    return QTime(local.tm_hour, local.tm_min, qMin(local.tm_sec, 59), int(now.tv_nsec / 1000000));
}
