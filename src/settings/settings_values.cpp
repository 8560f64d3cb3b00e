#include "settings/settings_values.h"

#include "support/text.h"

bool IsYesSetting(std::u16string_view text) { return EqualsIgnoringCase(text, u"Yes"); }

bool IsAutoSetting(std::u16string_view text) { return EqualsIgnoringCase(text, u"auto"); }

bool IsServiceSetting(std::u16string_view text) { return text == u"service"; }

bool IsSingleInstanceSetting(std::u16string_view text) { return text == u"yes"; }

ServerVmMode ServerVmModeSetting(std::u16string_view text) {
  if (text == u"server") return ServerVmMode::ServerOnly;
  if (text == u"favor_server") return ServerVmMode::FavorServer;
  return ServerVmMode::Any;
}

std::vector<std::u16string> PreferredVersionsSetting(std::u16string_view text) {
  if (text.empty()) return {};
  return SplitText(text, u";");
}

std::u16string MainClassSetting(std::u16string_view text) {
  std::u16string name(text);
  for (char16_t& c : name)
    if (c == u'.') c = u'/';
  return name;
}

namespace {

struct KindRow {
  std::u16string_view text;
  bool acceptJdk, acceptJre, favorKind;
};

constexpr KindRow kJvmSources[] = {
    {u"favor_JDK", true, false, true},
    {u"favor_JRE", false, true, true},
    {u"only_JDK", true, false, false},
    {u"only_JRE", false, true, false},
};

struct VendorRow {
  std::u16string_view text;
  bool acceptJRockit, acceptSun, acceptIbm, favorJRockit, favorSun, favorIbm;
};

constexpr VendorRow kVmProviders[] = {
    {u"jrockit", true, false, false, true, false, false}, {u"ibm", false, false, true, false, false, true},
    {u"favor_sun", true, true, true, false, true, false}, {u"favor_jrockit", true, true, true, true, false, false},
    {u"favor_ibm", true, true, true, false, false, true}, {u"any", true, true, true, false, false, false},
};

}  // namespace

void ApplyJvmSource(std::u16string_view text, LauncherSettings& settings) {
  if (text.empty()) {
    settings.acceptJdk = settings.acceptJre = true;
    return;
  }
  // A text outside the table accepts no kind at all.
  KindRow row{text, false, false, false};
  for (const KindRow& known : kJvmSources)
    if (known.text == text) row = known;
  settings.acceptJdk = row.acceptJdk;
  settings.acceptJre = row.acceptJre;
  settings.favorKind = row.favorKind;
}

void ApplyVmProvider(std::u16string_view text, LauncherSettings& settings) {
  for (const VendorRow& row : kVmProviders) {
    if (!EqualsIgnoringCase(text, row.text)) continue;
    settings.acceptJRockit = row.acceptJRockit;
    settings.acceptSun = row.acceptSun;
    settings.acceptIbm = row.acceptIbm;
    settings.favorJRockit = row.favorJRockit;
    settings.favorSun = row.favorSun;
    settings.favorIbm = row.favorIbm;
    return;
  }
}
