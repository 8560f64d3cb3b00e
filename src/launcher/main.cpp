// Entry point. Until the launch sequence lands it checks the settings file
// for a main class, the first thing every launch needs.
#include "launcher/settings_reader.h"
#include "support/messages.h"
#include "support/module_path.h"

int main() {
  std::u16string modulePath;
  if (!ModulePath(modulePath)) return -1;
  std::optional<std::u16string> settingsPath = SettingsFilePath(modulePath);
  if (!settingsPath) return -1;
  if (SettingsReader(*settingsPath).readValue(u"Java Runtime Environment", u"Main Class").empty()) {
    ReportError(message::kNoMainClass);
    return -1;
  }
  return 0;
}
