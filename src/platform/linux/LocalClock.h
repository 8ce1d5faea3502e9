#pragma once

#include <QTime>

// The local time of day, read without asking the C library to look again at
// the time zone: QTime::currentTime() does that on every call (two stat()s of
// /etc/localtime), which made each log line cost more than its own write. The
// zone is the one in force when the process first asked; daylight saving
// changes within it are followed.
QTime currentLocalTime();
