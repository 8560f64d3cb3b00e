#include "settings/settings_loading.h"

#include <iterator>

#include "settings/settings_values.h"
#include "settings/user_settings.h"
#include "support/files.h"
#include "support/trace.h"

namespace {

constexpr const char16_t* kProduct = kProductSection;
constexpr const char16_t* kRuntime = kRuntimeSection;
constexpr const char16_t* kApplication = kApplicationSection;
constexpr const char16_t* kClassPath = kClassPathSection;
constexpr Continuation kOwnSection = Continuation::None;
constexpr Continuation kContinued = Continuation::AsWritten;
constexpr Continuation kContinuedWords = Continuation::Words;

// "JRE Path" comes from the per-user file whenever that file exists, even when
// it lacks the key: the user's choice of runtime, or the absence of one,
// overrides the product's.
void ApplyUserJrePath(std::u16string_view executablePath, LauncherSettings& settings) {
  if (settings.isService) return;  // a service has no user of its own
  const std::u16string userFile = UserSettingsFilePath(settings, executablePath, false);
  if (!PathExists(userFile)) return;
  Trace([&] { return u"per-user settings file " + userFile; });
  settings.jrePath = SettingsReader(userFile).readPlain(kRuntimeSection, u"JRE Path");
}

}  // namespace

// clang-format off
const SettingKey kSettingKeys[] = {
    {kProduct, u"Product Code", kOwnSection, [](auto text, auto& s) { s.productCode = text; }},
    {kProduct, u"Product Name", kOwnSection, [](auto text, auto& s) { s.productName = text; }},
    {kRuntime, u"Minimum Version", kContinued, [](auto text, auto& s) { s.minimumVersion = MinimumVersionSetting(text); }},
    {kRuntime, u"Maximum Version", kContinued, [](auto text, auto& s) { s.maximumVersion = MaximumVersionSetting(text); }},
    {kApplication, u"Application Type", kContinued, [](auto text, auto& s) { s.isService = IsServiceSetting(text); }},
    {kApplication, u"Single Instance", kContinued, [](auto text, auto& s) { s.isSingleInstance = IsSingleInstanceSetting(text); }},
    {kRuntime, u"Preferred versions", kContinued, [](auto text, auto& s) { s.preferredVersions = PreferredVersionsSetting(text); }},
    {kRuntime, u"JRE Path", kContinued, [](auto text, auto& s) { s.jrePath = text; }},
    {kRuntime, u"JVM Type", kContinued, [](auto text, auto& s) { s.serverVmMode = ServerVmModeSetting(text); }},
    {kRuntime, u"JVM Source", kContinued, [](auto text, auto& s) { ApplyJvmSource(text, s); }},
    {kRuntime, u"VM Provider", kContinued, [](auto text, auto& s) { ApplyVmProvider(text, s); }},
    {kRuntime, u"Main Class", kContinued, [](auto text, auto& s) { s.mainClass = MainClassSetting(text); }},
    {kApplication, u"Override WorkingDir", kContinued, [](auto text, auto& s) { s.overrideWorkingDir = IsYesSetting(text); }},
    {kRuntime, u"System Path", kContinued, [](auto text, auto& s) { s.systemPath = text; }},
    {kRuntime, u"Library Path", kContinued, [](auto text, auto& s) { s.libraryPath = text; }},
    {kApplication, u"Pair Product", kContinued, [](auto text, auto& s) { s.pairProduct = text; }},
    {kApplication, u"Pair Return Code", kContinued, [](auto text, auto& s) { s.pairReturnCode = IsYesSetting(text); }},
    {kClassPath, u"Class Path", kContinued, [](auto text, auto& s) { s.classPath = text; }},
    {kApplication, u"Embedded Jar", kContinued, [](auto text, auto& s) { s.embeddedJar = IsYesSetting(text); }},
    {kRuntime, u"Virtual Machine Parameters", kContinuedWords, [](auto text, auto& s) { s.vmParameters = text; }},
    {kApplication, u"Output File", kContinued, [](auto text, auto& s) { s.outputFile = text; }},
    {kApplication, u"Error File", kContinued, [](auto text, auto& s) { s.errorFile = text; }},
    {kApplication, u"Cmd", kContinuedWords, [](auto text, auto& s) { s.extraArguments = text; }},
    {kRuntime, u"Class Data Sharing", kContinued, [](auto text, auto& s) { s.classDataSharing = IsAutoSetting(text); }},
};
// clang-format on
const std::size_t kSettingKeyCount = std::size(kSettingKeys);

std::optional<LauncherSettings> LoadSettings(std::u16string_view executablePath) {
  std::optional<std::u16string> path = SettingsFilePath(executablePath);
  if (!path) return std::nullopt;
  Trace([&] { return u"settings file " + *path; });
  const SettingsReader reader(*path);
  LauncherSettings settings;
  for (const SettingKey& row : kSettingKeys) {
    row.apply(reader.readValue(row.section, row.key, row.continuation), settings);
  }
  ApplyUserJrePath(executablePath, settings);
  return settings;
}
