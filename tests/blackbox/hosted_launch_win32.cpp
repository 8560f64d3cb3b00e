#include "hosted_launch.h"

std::string PathSeparator() { return "\\"; }
std::string ListSeparator() { return ";"; }
std::string PathVariable() { return "Path"; }
std::string VmLibraryBelowRuntime() { return "bin/client/jvm.dll"; }
