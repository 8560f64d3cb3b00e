// The runtimes installed on the machine, as the platform lists them: on
// Windows the registry keys of the runtime sources.
#pragma once

#include <optional>
#include <vector>

#include "runtime/runtime_candidates.h"

// Default: the registry view of this build. Other: the other one, where a
// runtime lives that only the paired launcher can host (the 64-bit view for
// a 32-bit launcher, the 32-bit view for a 64-bit one).
enum class RuntimeView { Default, Other };

// Searches the sources the settings ask for in one view, ranks what they hold
// and selects one; nothing when no runtime fits.
std::optional<RuntimeCandidate> SearchRegistry(const LauncherSettings& settings, RuntimeView view);

// Platform part: the runtimes of one source in one view, in the platform's
// enumeration order. A source that cannot be read lists nothing.
std::vector<RegisteredRuntime> RegisteredRuntimes(const RuntimeSource& source, RuntimeView view);
