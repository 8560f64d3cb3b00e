#include "runtime/remembered_runtime.h"

#include "launcher/launcher.h"
#include "launcher/settings_reader.h"
#include "launcher/settings_values.h"
#include "launcher/user_settings.h"
#include "support/module_path.h"

namespace {

void WriteJrePath(const std::u16string& settingsFile, const std::u16string& folder) {
  WriteSetting(settingsFile, kRuntimeSection, u"JRE Path", folder);
}

}  // namespace

void RememberRuntimeFolderOf(std::u16string_view executablePath, const LauncherSettings& settings,
                             const std::u16string& folder) {
  std::optional<std::u16string> settingsFile = SettingsFilePath(executablePath);
  if (!settingsFile) return;
  if (!PlatformHasPerUserSettings() || settings.isService) {
    WriteJrePath(*settingsFile, folder);
    return;
  }
  WriteJrePath(UserSettingsFilePath(settings, executablePath, true), folder);
  if (!settings.pairProduct.empty()) WriteJrePath(UserSettingsFilePath(settings, settings.pairProduct, true), folder);
}

void RememberRuntimeFolder(const Launcher& launcher, const std::u16string& folder) {
  std::u16string modulePath;
  if (ModulePath(modulePath)) RememberRuntimeFolderOf(modulePath, launcher.settings, folder);
}
