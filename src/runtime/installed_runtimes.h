// The runtimes installed on the machine, as the platform lists them: on
// Windows the registry keys of the runtime sources, then JAVA_HOME and the
// first java.exe on Path; elsewhere JAVA_HOME, the usual runtime folders and
// the first java on PATH.
#pragma once

#include <optional>
#include <vector>

#include "runtime/runtime_candidates.h"

// Default: the registry view of this build. Other: the other one, where a
// runtime lives that only the paired launcher can host (the 64-bit view for
// a 32-bit launcher, the 32-bit view for a 64-bit one).
enum class RuntimeView { Default, Other };

// Searches the installed runtimes the settings ask for, as seen in one view,
// ranks them and selects one; nothing when no runtime fits.
std::optional<RuntimeCandidate> SearchInstalledRuntimes(const LauncherSettings& settings, RuntimeView view);

// Platform part: every runtime found in one view, in the order of the places
// it looks at and within a place in the platform's enumeration order.
std::vector<FoundRuntime> FindInstalledRuntimes(RuntimeView view);
