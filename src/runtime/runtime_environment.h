// The chosen runtime, published to the Java program and the processes it starts.
#pragma once

#include <string>
#include <string_view>

#include "support/paths.h"

struct Launcher;

// Sets ZQ_JVM_PATH to the VM library's path and ZQ_JVM_HOME to the runtime
// folder above it (RuntimeHomeOf).
void PublishRuntimeEnvironment(const Launcher& launcher);

// The library path cut at its last separator three times; a cut that finds
// no separator leaves the text as it is. On Linux: the folder above the
// library's "lib" folder.
std::u16string RuntimeHomeOf(std::u16string_view vmLibraryPath, PathStyle style = kNativePathStyle);
