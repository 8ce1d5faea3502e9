#pragma once

#include <cstdint>

// Caps the address space of the calling process (RLIMIT_AS), so that an
// allocation beyond 'bytes' fails instead of taking the machine's memory.
// Under AddressSanitizer, which reserves terabytes of shadow memory, the
// limit is not set and the call succeeds.
bool limitAddressSpace(std::uint64_t bytes);
