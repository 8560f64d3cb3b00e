// Finding the runtime to host, from its four sources in order: the folder
// remembered in "JRE Path", a runtime beside the executable, the installed
// runtimes, and last the user.
#pragma once

#include <optional>
#include <string>

#include "settings/launcher_settings.h"
#include "vmhost/vm_plan.h"

// Its VM library, version and VM's maker, as its release file or the place
// that named it tell them.
struct ChosenRuntime : HostedRuntime {
  bool runPairedLauncher = false;  // the paired launcher is to host it
};

// Nothing when no runtime was found and the user chose none; the missing
// runtime has then been reported.
std::optional<ChosenRuntime> ResolveRuntime(const LauncherSettings& settings, const std::u16string& executablePath);
