#include "settings/remembered_runtime.h"

#include "settings/settings_reader.h"
#include "settings/settings_values.h"
#include "settings/user_settings.h"

namespace {

void WriteJrePath(const std::u16string& settingsFile, const std::u16string& folder) {
  WriteSetting(settingsFile, kRuntimeSection, u"JRE Path", folder);
}

}  // namespace

void RememberRuntimeFolder(std::u16string_view executablePath, const LauncherSettings& settings,
                           const std::u16string& folder) {
  std::optional<std::u16string> settingsFile = SettingsFilePath(executablePath);
  if (!settingsFile) return;
  if (settings.isService) {
    WriteJrePath(*settingsFile, folder);
    return;
  }
  WriteJrePath(UserSettingsFilePath(settings, executablePath, true), folder);
  if (!settings.pairProduct.empty()) WriteJrePath(UserSettingsFilePath(settings, settings.pairProduct, true), folder);
}
