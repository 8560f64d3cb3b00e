// Remembering the runtime folder the user chose, as "JRE Path", where the next
// start reads it back.
#pragma once

#include <string>
#include <string_view>

#include "settings/launcher_settings.h"

// For an application that is no service, into the executable's per-user
// settings file and, with a paired launcher, into the pair's; for a service,
// into the executable's own settings file. Failures are ignored: the run goes
// on with the chosen library either way.
void RememberRuntimeFolder(std::u16string_view executablePath, const LauncherSettings& settings,
                           const std::u16string& folder);
