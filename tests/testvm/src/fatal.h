#pragma once

#include <string>

namespace testvm {

// A launcher broke the JNI rules: say so on stderr and abort, as loudly as a real VM might crash.
[[noreturn]] void fatal(const std::string& message);

}  // namespace testvm
