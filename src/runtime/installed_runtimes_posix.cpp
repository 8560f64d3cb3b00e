#include "runtime/installed_runtimes.h"

// No system-wide list of runtimes is read here yet: only "JRE Path" and a
// runtime beside the executable find one.
std::vector<RegisteredRuntime> RegisteredRuntimes(const RuntimeSource&, RuntimeView) { return {}; }
