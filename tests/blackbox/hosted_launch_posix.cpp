#include "hosted_launch.h"

std::string PathSeparator() { return "/"; }
std::string ListSeparator() { return ":"; }
std::string PathVariable() { return "PATH"; }
std::string VmLibraryBelowRuntime() { return "lib/server/libjvm.so"; }
