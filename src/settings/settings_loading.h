// Loading the settings file into LauncherSettings at the start of a run: every
// key the run needs, from one table.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "settings/launcher_settings.h"
#include "settings/settings_reader.h"

// One key of the settings file and what its text gives the settings.
struct SettingKey {
  const char16_t* section;
  const char16_t* key;
  // Word lists keep a blank in front of a continued value; paths, path lists
  // and single words take it as written, since a blank would become part of them.
  Continuation continuation;
  void (*apply)(std::u16string_view text, LauncherSettings& settings);
};

// Every key the launcher reads from its settings file, in the order it reads them.
extern const SettingKey kSettingKeys[];
extern const std::size_t kSettingKeyCount;

// Reads the settings file of an executable. Nothing, without a message, when
// the executable's path names no settings file. A file that names no main
// class is read all the same: the launch reports it once it knows how (its
// product's name, whether it is a service). "JRE Path" comes from the
// per-user settings file instead whenever that file exists and the
// application is no service.
std::optional<LauncherSettings> LoadSettings(std::u16string_view executablePath);
