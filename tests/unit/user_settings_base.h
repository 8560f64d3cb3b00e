// Points the user's settings folder somewhere else for one test.
#pragma once

#include <optional>
#include <string>

#include "support/os.h"
#include "support/paths.h"

class UserSettingsBaseOverride {
 public:
  explicit UserSettingsBaseOverride(const std::u16string& folder) : saved_(GetEnvironmentValue(kVariable)) {
    SetEnvironmentValue(kVariable, folder);
  }
  ~UserSettingsBaseOverride() { SetEnvironmentValue(kVariable, saved_.value_or(u"")); }
  UserSettingsBaseOverride(const UserSettingsBaseOverride&) = delete;
  UserSettingsBaseOverride& operator=(const UserSettingsBaseOverride&) = delete;

 private:
  static constexpr const char16_t* kVariable = kNativePathStyle == PathStyle::Windows ? u"APPDATA" : u"XDG_CONFIG_HOME";
  std::optional<std::u16string> saved_;
};
