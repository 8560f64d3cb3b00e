// Method arguments as the Call*/NewObject families pass them.
#pragma once

#include <jni.h>

#include <cstdarg>
#include <string>
#include <vector>

namespace testvm {

// Reads the arguments a method descriptor announces from a va_list, applying
// C's default promotions as the variadic JNI functions receive them.
std::vector<jvalue> argumentsFrom(const std::string& signature, va_list list);

// The arguments as the event log shows them: strings as [escaped text],
// arrays as {...}, null as null.
std::string describeArguments(const std::string& signature, const jvalue* args);

}  // namespace testvm
