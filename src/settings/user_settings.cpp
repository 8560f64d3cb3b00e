#include "settings/user_settings.h"

#include "support/files.h"
#include "support/os.h"

std::u16string ProductFolderName(std::u16string_view productName) {
  std::u16string name;
  for (char16_t c : productName)
    if (std::u16string_view(u"\\?\"|><:/*").find(c) == std::u16string_view::npos) name += c;
  return name;
}

namespace {

// The executable's file name with its extension replaced by "ini".
std::u16string SettingsFileName(std::u16string_view executablePath, PathStyle style) {
  std::u16string_view name = FileNameOf(executablePath, style);
  return std::u16string(name.substr(0, name.rfind(u'.'))) + u".ini";
}

}  // namespace

std::u16string UserSettingsFilePathIn(std::u16string_view base, const LauncherSettings& settings,
                                      std::u16string_view executablePath, PathStyle style) {
  const char16_t separator = Separator(style);
  return std::u16string(base) + separator + ProductFolderName(settings.productName) + separator + settings.productCode +
         separator + SettingsFileName(executablePath, style);
}

std::u16string UserSettingsBase() {
  if (kNativePathStyle == PathStyle::Windows) return GetEnvironmentValue(u"APPDATA").value_or(u"");
  std::optional<std::u16string> configHome = GetEnvironmentValue(u"XDG_CONFIG_HOME");
  if (configHome && !configHome->empty()) return *configHome;
  std::optional<std::u16string> home = GetEnvironmentValue(u"HOME");
  return home ? *home + u"/.config" : std::u16string();
}

std::u16string UserSettingsFilePath(const LauncherSettings& settings, std::u16string_view executablePath, bool create) {
  std::u16string path = UserSettingsFilePathIn(UserSettingsBase(), settings, executablePath);
  if (create) CreateParentDirectories(path);
  return path;
}
