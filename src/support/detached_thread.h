// Threads that nobody waits for: they run their work and end on their own.
#pragma once

#include <functional>

// Starts work on a new thread of the platform's default stack size; false
// when the thread cannot be created.
bool StartDetachedThread(std::function<void()> work);

// Blocks the calling thread for good; the process ends without it.
[[noreturn]] void ParkCallingThread();
