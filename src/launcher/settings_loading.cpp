#include "launcher/settings_loading.h"

#include "launcher/settings_reader.h"
#include "launcher/settings_values.h"
#include "launcher/user_settings.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/module_path.h"

namespace {

// "JRE Path" comes from the per-user file whenever that file exists and per-user
// settings apply, even when the file lacks the key: the user's choice of
// runtime, or the absence of one, overrides the product's.
std::u16string ReadJrePath(const SettingsReader& reader, const LauncherSettings& settings,
                           std::u16string_view executablePath) {
  if (PlatformHasPerUserSettings() && !settings.isService) {
    std::u16string userFile = UserSettingsFilePath(settings, executablePath, false);
    if (PathExists(userFile)) return SettingsReader(userFile).readPlain(kRuntimeSection, u"JRE Path");
  }
  return reader.readValue(kRuntimeSection, u"JRE Path");
}

}  // namespace

bool LoadSettingsFile(std::u16string_view executablePath, LauncherSettings& settings) {
  std::optional<std::u16string> path = SettingsFilePath(executablePath);
  if (!path) return false;
  SettingsReader reader(*path);
  settings.productCode = reader.readPlain(kProductSection, u"Product Code");
  settings.productName = reader.readPlain(kProductSection, u"Product Name");
  settings.minimumVersion = MinimumVersionSetting(reader.readValue(kRuntimeSection, u"Minimum Version"));
  settings.maximumVersion = MaximumVersionSetting(reader.readValue(kRuntimeSection, u"Maximum Version"));
  settings.isService = IsServiceSetting(reader.readValue(kApplicationSection, u"Application Type"));
  settings.isSingleInstance = IsSingleInstanceSetting(reader.readValue(kApplicationSection, u"Single Instance"));
  settings.preferredVersions = PreferredVersionsSetting(reader.readValue(kRuntimeSection, u"Preferred versions"));
  settings.jrePath = ReadJrePath(reader, settings, executablePath);
  settings.serverVmMode = ServerVmModeSetting(reader.readValue(kRuntimeSection, u"JVM Type"));
  ApplyJvmSource(reader.readValue(kRuntimeSection, u"JVM Source"), settings);
  ApplyVmProvider(reader.readValue(kRuntimeSection, u"VM Provider"), settings);

  std::u16string mainClass = reader.readValue(kRuntimeSection, u"Main Class");
  if (mainClass.empty()) {
    ReportError(message::kNoMainClass);
    return false;
  }
  settings.mainClass = MainClassSetting(mainClass);
  settings.overrideWorkingDir = IsYesSetting(reader.readValue(kApplicationSection, u"Override WorkingDir"));
  settings.systemPath = reader.readValue(kRuntimeSection, u"System Path");
  settings.libraryPath = reader.readValue(kRuntimeSection, u"Library Path");
  settings.pairProduct = reader.readValue(kApplicationSection, u"Pair Product");
  settings.pairReturnCode = IsYesSetting(reader.readValue(kApplicationSection, u"Pair Return Code"));
  return true;
}

bool LoadSettings(Launcher& launcher) {
  std::u16string modulePath;
  return ModulePath(modulePath) && LoadSettingsFile(modulePath, launcher.settings);
}
