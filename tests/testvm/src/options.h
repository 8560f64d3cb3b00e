// The JavaVMInitArgs options, read as HotSpot reads them.
#pragma once

#include <jni.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace testvm {

using VfprintfHook = jint(JNICALL*)(FILE* stream, const char* format, va_list arguments);
using ExitHook = void(JNICALL*)(jint code);
using AbortHook = void(JNICALL*)();

struct Options {
  std::map<std::string, std::string> properties;  // UTF-8, from -D and the defaults
  bool hasMaxHeap = false;
  std::uint64_t maxHeap = 0;
  std::uint64_t threadStackSize = 0;  // -Xss; 0 leaves it to the platform
  VfprintfHook vfprintfHook = nullptr;
  ExitHook exitHook = nullptr;
  AbortHook abortHook = nullptr;
};

// Appends the version, ignoreUnrecognized and every option to the event log.
void recordArguments(const JavaVMInitArgs& args);

// Parses every option. Complaints are printed like HotSpot's; the
// result is JNI_OK, JNI_ERR (unrecognised option) or JNI_EINVAL (bad value).
jint parseOptions(const JavaVMInitArgs& args, Options& options);

// A message of the VM itself (not of the Java program): to the vfprintf hook when set, else stderr.
void vmMessage(const Options& options, const char* format, ...);

}  // namespace testvm
