// Loading the settings file into the Launcher at the start of a run.
#pragma once

#include <string_view>

#include "launcher/launcher.h"

// Reads the settings file of the launcher's own executable. Fails without a
// message when the executable's path cannot be had or holds no settings file
// name, and with message 210 when no main class is named.
bool LoadSettings(Launcher& launcher);

// The same for the settings file of any executable path.
bool LoadSettingsFile(std::u16string_view executablePath, LauncherSettings& settings);
