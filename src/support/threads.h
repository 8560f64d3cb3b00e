// Running a procedure on a thread of its own, with a chosen stack size.
#pragma once

#include <cstdint>
#include <optional>

using ThreadProcedure = int (*)(void* context);

// Runs procedure(context) on a new thread and waits for it without a time
// limit; the result is the procedure's. stackSize is in bytes, 0 meaning the
// platform's default (on Windows the executable's; the size is committed, not
// only reserved). Nothing when the thread cannot be created.
std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context);
