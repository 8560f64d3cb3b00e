#include "launcher/user_settings.h"
#include "support/environment.h"

bool PlatformHasPerUserSettings() { return true; }

std::u16string UserSettingsBase() {
  std::optional<std::u16string> configHome = GetEnvironmentValue(u"XDG_CONFIG_HOME");
  if (configHome && !configHome->empty()) return *configHome;
  std::optional<std::u16string> home = GetEnvironmentValue(u"HOME");
  return home ? *home + u"/.config" : std::u16string();
}
