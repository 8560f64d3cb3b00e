#include <gtest/gtest.h>

#include "dialog/missing_runtime.h"

namespace {

TEST(MissingRuntime, WithoutADialogTheUserIsToldAndNothingIsChosen) {
  LauncherSettings settings;
  settings.minimumVersion = MinimumVersionSetting(u"any");
  settings.maximumVersion = MaximumVersionSetting(u"1.8");
  settings.serverVmMode = ServerVmMode::ServerOnly;
  std::u16string folder = u"unchanged", library = u"unchanged";
  testing::internal::CaptureStdout();
  EXPECT_FALSE(AskUserForRuntime(settings, folder, library));
  std::string output = testing::internal::GetCapturedStdout();
  EXPECT_EQ(output.rfind("Error: The Java Runtime Environment (JRE) was not found. Please  download and install a JRE "
                         "with a server JVM (maximum version 1.8) from: https://",
                         0),
            0u)
      << output;
  EXPECT_EQ(folder, u"unchanged");
  EXPECT_EQ(library, u"unchanged");
}

}  // namespace
