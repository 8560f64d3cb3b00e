// What the user is told when no runtime fits: the requirement of the
// settings, the message around it, and the error line where no dialog can be
// shown.
#pragma once

#include <string>

#include "settings/launcher_settings.h"
#include "support/java_version.h"

// "latest version", "minimum version 1.5", "version between 1.6 and 1.6", ...
std::u16string ComposeRequirementText(const JavaVersion& minimum, const JavaVersion& maximum);

// The dialog's message: the one asking for a server VM when only a server VM
// will do, else the plain one, with the requirement text in it.
std::u16string MissingRuntimeMessage(const LauncherSettings& settings);

// The error for when no dialog can be shown: the message, then the download
// address.
void ReportMissingRuntime(const std::u16string& message);
