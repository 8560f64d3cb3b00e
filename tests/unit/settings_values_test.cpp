// The value tables of the settings file.
#include <gtest/gtest.h>

#include "launcher/settings_values.h"
#include "support/text.h"

namespace {

TEST(SettingsValues, SwitchesCompareAsTheirKeysDemand) {
  struct Row {
    const char16_t* text;
    bool yes, service;
  };
  const Row rows[] = {
      {u"Yes", true, false},  {u"yes", true, false},      {u"YES", true, false},  {u"yes ", false, false},
      {u"y", false, false},   {u"", false, false},        {u"service", false, true},
      {u"Service", false, false}, {u"SERVICE", false, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsYesSetting(row.text), row.yes) << ToUtf8(row.text);
    EXPECT_EQ(IsServiceSetting(row.text), row.service) << ToUtf8(row.text);
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

TEST(SettingsValues, JvmSourceSetsTheKindFlags) {
  struct Row {
    const char16_t* text;
    bool acceptJdk, acceptJre, favorKind;
  };
  const Row rows[] = {
      {u"", true, true, true},
      {u"favor_JDK", true, false, true},
      {u"favor_JRE", false, true, true},
      {u"only_JDK", true, false, false},
      {u"only_JRE", false, true, false},
      {u"Favor_JRE", false, false, false},  // case matters
      {u"only_jdk", false, false, false},
      {u"favour_JDK", false, false, false},
  };
  for (const Row& row : rows) {
    LauncherSettings settings;
    ApplyJvmSource(row.text, settings);
    EXPECT_EQ(settings.acceptJdk, row.acceptJdk) << ToUtf8(row.text);
    EXPECT_EQ(settings.acceptJre, row.acceptJre) << ToUtf8(row.text);
    EXPECT_EQ(settings.favorKind, row.favorKind) << ToUtf8(row.text);
  }
}

TEST(SettingsValues, VmProviderSetsAllSixVendorFlagsInAnyCase) {
  struct Row {
    const char16_t* text;
    bool acceptJRockit, acceptSun, acceptIbm, favorJRockit, favorSun, favorIbm;
  };
  const Row rows[] = {
      {u"", false, true, false, false, true, false},
      {u"sun", false, true, false, false, true, false},  // no such row: the defaults stay
      {u"ibmx", false, true, false, false, true, false},
      {u"jrockit", true, false, false, true, false, false},
      {u"JRockit", true, false, false, true, false, false},
      {u"ibm", false, false, true, false, false, true},
      {u"IBM", false, false, true, false, false, true},
      {u"favor_sun", true, true, true, false, true, false},
      {u"favor_jrockit", true, true, true, true, false, false},
      {u"Favor_IBM", true, true, true, false, false, true},
      {u"any", true, true, true, false, false, false},
      {u"ANY", true, true, true, false, false, false},
  };
  for (const Row& row : rows) {
    LauncherSettings settings;
    ApplyVmProvider(row.text, settings);
    EXPECT_EQ(settings.acceptJRockit, row.acceptJRockit) << ToUtf8(row.text);
    EXPECT_EQ(settings.acceptSun, row.acceptSun) << ToUtf8(row.text);
    EXPECT_EQ(settings.acceptIbm, row.acceptIbm) << ToUtf8(row.text);
    EXPECT_EQ(settings.favorJRockit, row.favorJRockit) << ToUtf8(row.text);
    EXPECT_EQ(settings.favorSun, row.favorSun) << ToUtf8(row.text);
    EXPECT_EQ(settings.favorIbm, row.favorIbm) << ToUtf8(row.text);
  }
}

}  // namespace
