// The last source of a runtime: the user, asked through the missing-runtime
// dialog (or told on standard output where no dialog can be shown).
#pragma once

#include <string>

#include "settings/launcher_settings.h"

// Asks the user for a runtime folder that suits the settings. True when the
// user chose one: folder (ending in the path separator) and the VM library
// found in it are set. False when the user cancelled or nothing could be shown.
bool AskUserForRuntime(const LauncherSettings& settings, std::u16string& folder, std::u16string& vmLibrary);
