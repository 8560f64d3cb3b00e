// Remembering the runtime folder the user chose, as "JRE Path", where the next
// start reads it back.
#pragma once

#include <string>
#include <string_view>

#include "launcher/launcher_settings.h"

struct Launcher;

// Writes the folder for the launcher's own executable. Failures are ignored:
// the run goes on with the chosen library either way.
void RememberRuntimeFolder(const Launcher& launcher, const std::u16string& folder);

// The same for any executable path: where per-user settings apply and the
// application is no service, into the executable's per-user settings file and,
// with a paired launcher, into the pair's; otherwise into the executable's own
// settings file.
void RememberRuntimeFolderOf(std::u16string_view executablePath, const LauncherSettings& settings,
                             const std::u16string& folder);
