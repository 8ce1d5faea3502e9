#pragma once

#include <cstdint>

// The kernel's id of the calling thread, as shown by ps -L and gdb, so that
// log lines can be matched with what the system tools show.
std::int64_t currentThreadId();
