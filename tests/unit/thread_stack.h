// The stack size of the calling thread as the platform set it up.
#pragma once

#include <cstdint>

std::uint64_t CurrentThreadStackSize();

// Whether a thread asked to have a stack of asked bytes got it. Windows gives
// the size exactly (within the executable's reserve); glibc may hand a new
// thread a cached stack of an ended one, up to four times the size asked.
bool IsStackSizeAsAsked(std::uint64_t seen, std::uint64_t asked);
