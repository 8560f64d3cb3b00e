// The value tables of the settings file.
#include <gtest/gtest.h>

#include "settings/settings_values.h"
#include "support/text.h"

namespace {

TEST(SettingsValues, SwitchesCompareAsTheirKeysDemand) {
  struct Row {
    const char16_t* text;
    bool yes, service, singleInstance;
  };
  const Row rows[] = {
      {u"Yes", true, false, false},     {u"yes", true, false, true},       {u"YES", true, false, false},
      {u"yes ", false, false, false},   {u"y", false, false, false},       {u"", false, false, false},
      {u"service", false, true, false}, {u"Service", false, false, false}, {u"SERVICE", false, false, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsYesSetting(row.text), row.yes) << ToUtf8(row.text);
    EXPECT_EQ(IsServiceSetting(row.text), row.service) << ToUtf8(row.text);
    EXPECT_EQ(IsSingleInstanceSetting(row.text), row.singleInstance) << ToUtf8(row.text);
  }
}

TEST(SettingsValues, JvmTypeIsExact) {
  EXPECT_EQ(ServerVmModeSetting(u"server"), ServerVmMode::ServerOnly);
  EXPECT_EQ(ServerVmModeSetting(u"favor_server"), ServerVmMode::FavorServer);
  for (const char16_t* other : {u"", u"Server", u"client", u"favor_Server", u" server"})
    EXPECT_EQ(ServerVmModeSetting(other), ServerVmMode::Any) << ToUtf8(other);
}

TEST(SettingsValues, PreferredVersionsKeepEmptyPiecesButNoFinalOne) {
  using List = std::vector<std::u16string>;
  EXPECT_EQ(PreferredVersionsSetting(u""), List{});
  EXPECT_EQ(PreferredVersionsSetting(u"1.6"), List{u"1.6"});
  EXPECT_EQ(PreferredVersionsSetting(u"1.6;;1.5;"), (List{u"1.6", u"", u"1.5"}));
  EXPECT_EQ(PreferredVersionsSetting(u";1.5"), (List{u"", u"1.5"}));
  EXPECT_EQ(PreferredVersionsSetting(u" 1.6 ; 1.5"), (List{u" 1.6 ", u" 1.5"}));
}

TEST(SettingsValues, MainClassTakesTheSlashForm) {
  EXPECT_EQ(MainClassSetting(u"com.example.Main"), u"com/example/Main");
  EXPECT_EQ(MainClassSetting(u"Main"), u"Main");
  EXPECT_EQ(MainClassSetting(u"a.b$Inner"), u"a/b$Inner");
}

// Flags as letters, "-" where off: the letter of each flag that is on.
std::string Letters(std::initializer_list<bool> flags, std::string letters) {
  size_t k = 0;
  for (bool flag : flags) {
    if (!flag) letters[k] = '-';
    ++k;
  }
  return letters;
}

// acceptJdk D, acceptJre R, favorKind F.
std::string KindFlags(const LauncherSettings& s) { return Letters({s.acceptJdk, s.acceptJre, s.favorKind}, "DRF"); }

// Accept then favour, each for JRockit, Sun, IBM.
std::string VendorFlags(const LauncherSettings& s) {
  return Letters({s.acceptJRockit, s.acceptSun, s.acceptIbm, s.favorJRockit, s.favorSun, s.favorIbm}, "JSIJSI");
}

TEST(SettingsValues, JvmSourceSetsTheKindFlags) {
  const std::pair<const char16_t*, const char*> rows[] = {
      {u"", "DRF"},         {u"favor_JDK", "D-F"},  {u"favor_JRE", "-RF"},
      {u"only_JDK", "D--"}, {u"only_JRE", "-R-"},   {u"Favor_JRE", "---"},  // case matters
      {u"only_jdk", "---"}, {u"favour_JDK", "---"},
  };
  for (const auto& [text, expected] : rows) {
    LauncherSettings settings;
    ApplyJvmSource(text, settings);
    EXPECT_EQ(KindFlags(settings), expected) << ToUtf8(text);
  }
}

TEST(SettingsValues, VmProviderSetsAllSixVendorFlagsInAnyCase) {
  const std::pair<const char16_t*, const char*> rows[] = {
      {u"", "-S--S-"},     {u"sun", "-S--S-"},  // no such row: the defaults stay
      {u"ibmx", "-S--S-"}, {u"jrockit", "J--J--"},   {u"JRockit", "J--J--"},       {u"ibm", "--I--I"},
      {u"IBM", "--I--I"},  {u"favor_sun", "JSI-S-"}, {u"favor_jrockit", "JSIJ--"}, {u"Favor_IBM", "JSI--I"},
      {u"any", "JSI---"},  {u"ANY", "JSI---"},
  };
  for (const auto& [text, expected] : rows) {
    LauncherSettings settings;
    ApplyVmProvider(text, settings);
    EXPECT_EQ(VendorFlags(settings), expected) << ToUtf8(text);
  }
}

}  // namespace
