#pragma once

#include <exception>
#include <system_error>
#include <thread>

// Runs work(0) on the calling thread and, when `two`, work(1) on a thread of
// its own at the same time (or after work(0) when no thread can be started);
// returns once both have ended. An exception from
// either calls stop(), so that the other ends early too, and is thrown again
// here once both have ended. stop() may be called from either thread.
template<typename Work, typename Stop>
void runOnTwoThreads(bool two, Work &&work, Stop &&stop)
{
    if (!two) {
        work(0);
        return;
    }
    std::exception_ptr helperError;
    std::thread helper;
    try {
        helper = std::thread([&] {
            try {
                work(1);
            } catch (...) {
                helperError = std::current_exception();
                stop();
            }
        });
    } catch (const std::system_error &) {
        // No thread to be had: the calling thread does both, one after the
        // other.
        work(0);
        work(1);
        return;
    }
    try {
        work(0);
    } catch (...) {
        stop();
        helper.join();
        throw;
    }
    helper.join();
    if (helperError)
        std::rethrow_exception(helperError);
}
