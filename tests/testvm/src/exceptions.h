// Throwables: making them, leaving them pending, printing them as Java does.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace testvm {

struct JavaThread;
struct Throwable;

// A throwable of the named class; a name the VM does not know becomes a
// subclass of java/lang/RuntimeException.
Throwable* newThrowable(const std::string& className, std::optional<std::u16string> message,
                        std::vector<std::string> frames = {}, Throwable* cause = nullptr);

// Leaves a new throwable pending on `thread`.
void throwNew(JavaThread& thread, const std::string& className, const std::string& utf8Message,
              std::vector<std::string> frames = {});

// Throwable.printStackTrace(), with the platform's line separator.
std::string stackTrace(const Throwable& throwable);

// JNI ExceptionDescribe: HotSpot prints "Exception in thread ..." itself and
// the trace through System.err; clears the pending exception.
void describePending(JavaThread& thread);

// What the default uncaught exception handler prints, all to System.err;
// clears the pending exception.
void reportUncaught(JavaThread& thread);

}  // namespace testvm
