// The per-user settings file: a copy of the settings that can hold "JRE Path",
// in the user's own settings folder, below a folder named after the product
// and one named after the product code.
#pragma once

#include <string>
#include <string_view>

#include "settings/launcher_settings.h"
#include "support/paths.h"

// The per-user settings file of an executable (the launcher itself, or the
// paired launcher). With create set, the folders above it are made when
// missing; failures there are left to the write.
std::u16string UserSettingsFilePath(const LauncherSettings& settings, std::u16string_view executablePath, bool create);

// The product name without the characters a folder name cannot hold.
std::u16string ProductFolderName(std::u16string_view productName);

// The pure part: the file below base, the user's settings folder.
std::u16string UserSettingsFilePathIn(std::u16string_view base, const LauncherSettings& settings,
                                      std::u16string_view executablePath, PathStyle style = kNativePathStyle);

// The user's settings folder: APPDATA on Windows, XDG_CONFIG_HOME or
// ~/.config elsewhere; empty when unknown.
std::u16string UserSettingsBase();
