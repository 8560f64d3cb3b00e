// Loading a settings file into LauncherSettings, per-user file included.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "scratch_folder.h"
#include "settings/settings_loading.h"
#include "settings/user_settings.h"
#include "support/text.h"
#include "user_settings_base.h"

namespace {

const std::string kMainClass = "[Java Runtime Environment]\nMain Class=com.example.Main\n";

class SettingsLoading : public ::testing::Test {
 protected:
  bool load(const std::string& content) {
    folder_.write("app/tool.ini", content);
    std::optional<LauncherSettings> loaded = LoadSettings(folder_.at("app/tool.exe"));
    if (loaded) settings_ = *loaded;
    return loaded.has_value();
  }
  void writeUserFile(const std::string& content) { folder_.write("user/Tool/{AB}/tool.ini", content); }

  ScratchFolder folder_;
  UserSettingsBaseOverride userBase_{folder_.at("user")};
  LauncherSettings settings_;
};

TEST_F(SettingsLoading, FillsEveryFieldFromItsKey) {
  ASSERT_TRUE(
      load("[Product Information]\nProduct Name=Tool\nProduct Code={AB}\n"
           "[Java Runtime Environment]\nMain Class=com.example.Main\nMinimum Version=1.5\nMaximum Version=1.6\n"
           "Preferred versions=1.6;1.5\nJRE Path=C:\\jre\nJVM Type=favor_server\nJVM Source=only_JRE\n"
           "VM Provider=IBM\nSystem Path=C:\\bin\nLibrary Path=lib\nVirtual Machine Parameters=-Xmx1g -ea\n"
           "[Application]\nApplication Type=service\nSingle Instance=yes\nOverride WorkingDir=YES\n"
           "Pair Product=C:\\pair.exe\nPair Return Code=yes\nEmbedded Jar=yES\nOutput File=%TEMP%\\out.log\n"
           "Error File=err.log\nCmd=-x \"a b\"\n"
           "[Class Path]\nClass Path=\\lib\\*.jar;D:\\x.jar\n"));
  EXPECT_EQ(settings_.productName, u"Tool");
  EXPECT_EQ(settings_.productCode, u"{AB}");
  EXPECT_EQ(settings_.mainClass, u"com/example/Main");
  EXPECT_EQ(settings_.minimumVersion.toText(), u"1.5");
  EXPECT_EQ(settings_.maximumVersion.parts, (std::array<std::int32_t, 4>{1, 6, 65535, 65535}));
  EXPECT_EQ(settings_.preferredVersions, (std::vector<std::u16string>{u"1.6", u"1.5"}));
  EXPECT_EQ(settings_.jrePath, u"C:\\jre");
  EXPECT_EQ(settings_.serverVmMode, ServerVmMode::FavorServer);
  EXPECT_TRUE(settings_.acceptJre);
  EXPECT_FALSE(settings_.acceptJdk);
  EXPECT_FALSE(settings_.favorKind);
  EXPECT_TRUE(settings_.acceptIbm);
  EXPECT_FALSE(settings_.acceptSun);
  EXPECT_TRUE(settings_.isService);
  EXPECT_TRUE(settings_.isSingleInstance);
  EXPECT_TRUE(settings_.overrideWorkingDir);
  EXPECT_EQ(settings_.systemPath, u"C:\\bin");
  EXPECT_EQ(settings_.libraryPath, u"lib");
  EXPECT_EQ(settings_.pairProduct, u"C:\\pair.exe");
  EXPECT_TRUE(settings_.pairReturnCode);
  EXPECT_EQ(settings_.classPath, u"\\lib\\*.jar;D:\\x.jar");
  EXPECT_TRUE(settings_.embeddedJar);
  EXPECT_EQ(settings_.vmParameters, u"-Xmx1g -ea");
  EXPECT_EQ(settings_.outputFile, u"%TEMP%\\out.log");  // as written: the VM plan expands it
  EXPECT_EQ(settings_.errorFile, u"err.log");
  EXPECT_EQ(settings_.extraArguments, u"-x \"a b\"");
}

TEST_F(SettingsLoading, AbsentKeysKeepTheirDefaults) {
  ASSERT_TRUE(load(kMainClass));
  EXPECT_EQ(settings_.minimumVersion.count, 0);
  EXPECT_EQ(settings_.maximumVersion.parts, JavaVersion::OpenMaximum().parts);
  EXPECT_TRUE(settings_.preferredVersions.empty());
  EXPECT_EQ(settings_.serverVmMode, ServerVmMode::Any);
  EXPECT_TRUE(settings_.acceptJdk && settings_.acceptJre && settings_.favorKind);
  EXPECT_TRUE(settings_.acceptSun && settings_.favorSun);
  EXPECT_FALSE(settings_.acceptIbm || settings_.acceptJRockit || settings_.isService || settings_.isSingleInstance);
  EXPECT_FALSE(settings_.overrideWorkingDir || settings_.pairReturnCode || settings_.embeddedJar);
  EXPECT_TRUE(settings_.classPath.empty() && settings_.vmParameters.empty() && settings_.extraArguments.empty());
}

TEST_F(SettingsLoading, VersionWordAnyIsExact) {
  ASSERT_TRUE(load(kMainClass + "Minimum Version=any\n"));
  EXPECT_EQ(settings_.minimumVersion.count, 4);  // the open minimum
  ASSERT_TRUE(load(kMainClass + "Minimum Version=Any\n"));
  EXPECT_EQ(settings_.minimumVersion.count, 0);  // a version text without digits
}

// Word lists get a blank in front of a continued value; every other key takes it as written.
TEST_F(SettingsLoading, ContinuationSectionsFeedTheValueKeys) {
  ASSERT_TRUE(load(kMainClass +
                   "[Java Runtime Environment+]\nMaximum Version=1.5\nMain Class=ignored\nJVM Type=server\n"
                   "Virtual Machine Parameters=-Xmx1g\n"
                   "[Application+]\nPair Product=C:\\pair.exe\nOutput File=logs\\out.log\nCmd=-x\n"
                   "[Class Path+]\nClass Path=\\lib\\a.jar;\\lib\\b.jar\n"));
  EXPECT_EQ(settings_.maximumVersion.toText(), u"1.5");
  EXPECT_EQ(settings_.mainClass, u"com/example/Main");
  EXPECT_EQ(settings_.serverVmMode, ServerVmMode::ServerOnly);
  EXPECT_EQ(settings_.pairProduct, u"C:\\pair.exe");
  EXPECT_EQ(settings_.outputFile, u"logs\\out.log");
  EXPECT_EQ(settings_.classPath, u"\\lib\\a.jar;\\lib\\b.jar");
  EXPECT_EQ(settings_.vmParameters, u" -Xmx1g");
  EXPECT_EQ(settings_.extraArguments, u" -x");
}

// A missing main class, also that of a missing file, is left to the launch:
// it reports it once it knows the product's name.
TEST_F(SettingsLoading, MissingMainClassOrFileLoadsWithoutAMainClass) {
  ASSERT_TRUE(load("[Product Information]\nProduct Name=Tool\n[Java Runtime Environment]\nJVM Type=server\n"));
  EXPECT_EQ(settings_.mainClass, u"");
  EXPECT_EQ(settings_.productName, u"Tool");
  ScratchFolder empty;
  std::optional<LauncherSettings> missing = LoadSettings(empty.at("missing.exe"));
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->mainClass, u"");
}

TEST_F(SettingsLoading, PerUserFileDecidesTheJrePathWhenItExists) {
  const std::string product = "[Product Information]\nProduct Name=T:o/o*l\nProduct Code={AB}\n";
  const std::string own = kMainClass + "JRE Path=C:\\product-jre\n[Java Runtime Environment+]\nJRE Path=C:\\more\n";
  ASSERT_TRUE(load(product + own));
  EXPECT_EQ(settings_.jrePath, u"C:\\product-jre");  // no per-user file yet

  writeUserFile("[Java Runtime Environment]\nJRE Path=C:\\user-jre\n");
  ASSERT_TRUE(load(product + own));
  EXPECT_EQ(settings_.jrePath, u"C:\\user-jre");

  writeUserFile("[Java Runtime Environment]\nJRE Path=\n[Java Runtime Environment+]\nJRE Path=C:\\more\n");
  ASSERT_TRUE(load(product + own));
  EXPECT_EQ(settings_.jrePath, u"");  // read plain, and the product's value is not consulted

  ASSERT_TRUE(load(product + own + "[Application]\nApplication Type=service\n"));
  EXPECT_EQ(settings_.jrePath, u"C:\\product-jre");  // a service has no user of its own
}

TEST(UserSettings, PathIsBuiltFromProductNameCodeAndExecutable) {
  LauncherSettings settings;
  settings.productName = u"My App: Server/Client";
  settings.productCode = u"{0A1B}";
  EXPECT_EQ(UserSettingsFilePathIn(u"C:\\Users\\u\\AppData\\Roaming", settings,
                                   u"C:\\Program Files\\My App\\launcher.exe", PathStyle::Windows),
            u"C:\\Users\\u\\AppData\\Roaming\\My App ServerClient\\{0A1B}\\launcher.ini");

  settings.productName = u"a\\b?c\"d|e>f<g:h/i*j";
  EXPECT_EQ(UserSettingsFilePathIn(u"/home/u/.config", settings, u"/opt/my.app/tool", PathStyle::Posix),
            u"/home/u/.config/abcdefghij/{0A1B}/tool.ini");
  EXPECT_EQ(UserSettingsFilePathIn(u"B", settings, u"pair.v2.exe", PathStyle::Windows),
            u"B\\abcdefghij\\{0A1B}\\pair.v2.ini");
}

TEST(UserSettings, LongBaseFolderIsNotCut) {
  ScratchFolder folder;
  std::u16string base = folder.at(std::string(300, 'b'));
  UserSettingsBaseOverride override(base);
  LauncherSettings settings;
  settings.productName = u"P";
  settings.productCode = u"C";
  EXPECT_EQ(UserSettingsFilePath(settings, u"tool.exe", false),
            base + kPathSeparator + u"P" + kPathSeparator + u"C" + kPathSeparator + u"tool.ini");
}

TEST(UserSettings, CreatingMakesTheMissingFolders) {
  ScratchFolder folder;
  UserSettingsBaseOverride override(folder.at("base"));
  LauncherSettings settings;
  settings.productName = u"P";
  settings.productCode = u"C";
  UserSettingsFilePath(settings, u"tool.exe", false);
  EXPECT_FALSE(folder.exists("base/P"));
  UserSettingsFilePath(settings, u"tool.exe", true);
  EXPECT_TRUE(folder.exists("base/P/C"));
  EXPECT_FALSE(folder.exists("base/P/C/tool.ini"));
}

// The settings reference names each key under its section ("## [Section]",
// then "### Key"): it must name every key the launcher reads, and no other.
TEST(SettingsReference, NamesExactlyTheKeysOfTheSettingsTable) {
  std::ifstream reference(SETTINGS_REFERENCE);
  ASSERT_TRUE(reference) << SETTINGS_REFERENCE;
  std::set<std::string> documented;
  std::string section;
  for (std::string line; std::getline(reference, line);) {
    if (line.rfind("## [", 0) == 0)
      section = line.substr(4, line.find(']') - 4);
    else if (line.rfind("## ", 0) == 0)
      section.clear();
    else if (line.rfind("### ", 0) == 0)
      documented.insert("[" + section + "] " + line.substr(4));
  }
  std::set<std::string> read;
  for (size_t i = 0; i < kSettingKeyCount; ++i)
    read.insert("[" + ToUtf8(kSettingKeys[i].section) + "] " + ToUtf8(kSettingKeys[i].key));
  EXPECT_EQ(documented, read);
}

}  // namespace
