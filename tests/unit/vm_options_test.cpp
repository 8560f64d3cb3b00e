// The option assembly in process: the settings file of the test program
// itself (beside it, as the launcher's is beside the launcher) and files
// below its folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "launcher/launcher.h"
#include "launcher/settings_reader.h"
#include "support/environment.h"
#include "support/environment_expansion.h"
#include "support/module_path.h"
#include "vmhost/vm_options.h"

namespace fs = std::filesystem;

namespace {

std::string Native(fs::path path) { return path.make_preferred().string(); }

class VmOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    std::u16string modulePath;
    ASSERT_TRUE(ModulePath(modulePath));
    executable_ = fs::path(ToUtf8(modulePath));
    settingsFile_ = fs::path(ToUtf8(*SettingsFilePath(modulePath)));
    folderName_ = "vm-options-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(executable_.parent_path() / folderName_);
    SetEnvironmentValue(u"LAUNCHER_OPTIONS_VALUE", u"value");
  }
  void TearDown() override {
    fs::remove(settingsFile_);
    fs::remove_all(executable_.parent_path() / folderName_);
  }

  void writeSettings(const std::string& text) { std::ofstream(settingsFile_, std::ios::binary) << text; }
  void touch(const std::string& name) { std::ofstream(executable_.parent_path() / folderName_ / name) << "x"; }

  fs::path executable_, settingsFile_;
  std::string folderName_;
  Launcher launcher;
};

TEST_F(VmOptions, ClassPathThenParametersAfterQuoteRemovalRewritingAndExpansion) {
  touch("a.jar");
  const std::string missing = Native(fs::temp_directory_path() / "launcher-missing" / "x.jar");
  writeSettings("[Class Path]\nClass Path=\\" + folderName_ + "\\a.jar;" + missing + ";\\" + folderName_ +
                "\\*.war\n"
                "[Java Runtime Environment]\n"
                "Virtual Machine Parameters=-Xss1m  -Dp=\"a b\" -Dv=%LAUNCHER_OPTIONS_VALUE% "
                "-Du=%LAUNCHER_OPTIONS_UNDEFINED% -Xmx0:64P\n"
                "[Application]\nOutput File=%LAUNCHER_OPTIONS_VALUE%.out\nError File=err.log\n"
                "Cmd=x \"y z\"  \"\" %LAUNCHER_OPTIONS_VALUE%\n");
  launcher.arguments = {u"first"};
  ASSERT_TRUE(AssembleVmOptions(launcher));

  const std::string separator = kPathSeparator == u'\\' ? ";" : ":";
  const std::string jar = Native(executable_.parent_path() / folderName_ / "a.jar");
  EXPECT_EQ(launcher.vmOptions,
            (VmOptionList{"-Djava.class.path=" + jar + separator + missing + separator, "-Xss1m", "-Dp=a b",
                          "-Dv=value", "-Du=%LAUNCHER_OPTIONS_UNDEFINED%", "-Xmx65536K"}));
  EXPECT_EQ(launcher.mainThreadStackSize, 1048576u);
  EXPECT_EQ(launcher.settings.outputFile, u"value.out");
  EXPECT_EQ(launcher.settings.errorFile, u"err.log");
  EXPECT_EQ(launcher.arguments, (std::vector<std::u16string>{u"first", u"x", u"y z", u"value"}));
}

TEST_F(VmOptions, EmptyClassPathIsReportedAndNothingElseIsRead) {
  writeSettings("[Class Path]\nClass Path=\\" + folderName_ + "\\*.jar\n[Application]\nOutput File=out.log\nCmd=x\n");
  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(AssembleVmOptions(launcher));
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Error: Java Class Path was not specified in INI file. \n");
  EXPECT_TRUE(launcher.vmOptions.empty());
  EXPECT_TRUE(launcher.settings.outputFile.empty());
  EXPECT_TRUE(launcher.arguments.empty());
}

TEST_F(VmOptions, EmbeddedJarAloneIsAClassPath) {
  writeSettings("[Application]\nEmbedded Jar=yES\n");
  ASSERT_TRUE(AssembleVmOptions(launcher));
  EXPECT_EQ(launcher.vmOptions, (VmOptionList{"-Djava.class.path=" + Native(executable_)}));
  EXPECT_EQ(launcher.mainThreadStackSize, 0u);
}

TEST_F(VmOptions, EnvironmentGetsTheLibraryPathOptionAndANewSearchPath) {
  const std::u16string pathVariable(kPathVariable);
  const std::optional<std::u16string> inherited = GetEnvironmentValue(pathVariable);
  SetEnvironmentValue(pathVariable, u"inherited");
#ifdef _WIN32
  launcher.vmLibraryPath = u"C:\\Java\\jre\\bin\\client\\jvm.dll";
  const std::string home = "C:\\Java\\jre\\", bin = "C:\\Java\\jre\\bin", separator = ";";
#else
  launcher.vmLibraryPath = u"/opt/jdk/lib/server/libjvm.so";
  const std::string home = "/opt/jdk/", bin = "/opt/jdk/bin", separator = ":";
#endif
  launcher.settings.libraryPath = u"native";
  launcher.settings.systemPath = u"tools";
  PrepareVmEnvironment(launcher);
  const std::optional<std::u16string> searchPath = GetEnvironmentValue(pathVariable);
  if (inherited) SetEnvironmentValue(pathVariable, *inherited);

  const std::string folder = Native(executable_.parent_path()) + ToUtf8(std::u16string(1, kPathSeparator));
  const std::string libraryPath = "native" + separator + folder + separator + "." + separator + "inherited" +
                                  separator + home + "lib";
  EXPECT_EQ(launcher.vmOptions, (VmOptionList{"-Djava.library.path=" + libraryPath}));
  EXPECT_EQ(launcher.settings.libraryPath, FromUtf8(libraryPath));
  EXPECT_EQ(searchPath, FromUtf8("tools" + separator + "inherited" + separator + bin));
}

TEST_F(VmOptions, WithoutLibraryPathTheSearchPathIsStillRewritten) {
  const std::u16string pathVariable(kPathVariable);
  const std::optional<std::u16string> inherited = GetEnvironmentValue(pathVariable);
  launcher.vmLibraryPath = kPathSeparator == u'\\' ? u"C:\\J\\bin\\server\\jvm.dll" : u"/J/lib/server/libjvm.so";
  PrepareVmEnvironment(launcher);
  const std::optional<std::u16string> searchPath = GetEnvironmentValue(pathVariable);
  if (inherited) SetEnvironmentValue(pathVariable, *inherited);
  EXPECT_TRUE(launcher.vmOptions.empty());
  EXPECT_EQ(searchPath, inherited.value_or(u"") + (kPathSeparator == u'\\' ? u";C:\\J\\bin" : u":/J/bin"));
}

}  // namespace
