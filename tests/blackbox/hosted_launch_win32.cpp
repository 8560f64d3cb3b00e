#include "hosted_launch.h"

std::string PathSeparator() { return "\\"; }
std::string ListSeparator() { return ";"; }
std::string PathVariable() { return "Path"; }
std::string VmLibraryBelowRuntime() { return "bin/client/jvm.dll"; }
std::string RuntimeMarkerBelowRuntime() { return "bin/java.dll"; }
// A 32-bit library, with no paired launcher configured to host it.
std::string LibraryOfAnotherMachine() { return ReadWholeFile(I686_LIBRARY); }
bool StartsProgramsOfLongPaths() { return false; }
