#include <gtest/gtest.h>

#include "dialog/missing_runtime_message.h"
#include "resources/missing_runtime_dialog.h"
#include "support/text.h"

namespace {

struct RequirementCase {
  std::u16string minimum;  // as the settings write them
  std::u16string maximum;
  std::u16string text;
};

TEST(MissingRuntimeMessage, RequirementFollowsWhichBoundsAreSet) {
  const RequirementCase cases[] = {
      {u"any", u"any", u"latest version"},
      {u"", u"any", u"latest version"},
      {u"0", u"65535.65535.65535.65535", u"latest version"},
      {u"any", u"1.8", u"maximum version 1.8"},
      {u"1.5", u"any", u"minimum version 1.5"},
      {u"1.6.0_24", u"1.6.0_24", u"version 1.6.0.24 is required"},
      // The maximum is filled with 65535, so 1.6 and 1.6 differ in their parts.
      {u"1.6", u"1.6", u"version between 1.6 and 1.6"},
      {u"1.5", u"1.7.0_10", u"version between 1.5 and 1.7.0.10"},
  };
  for (const RequirementCase& c : cases)
    EXPECT_EQ(ComposeRequirementText(MinimumVersionSetting(c.minimum), MaximumVersionSetting(c.maximum)), c.text)
        << ToUtf8(c.minimum) << " " << ToUtf8(c.maximum);
}

TEST(MissingRuntimeMessage, OnlyAServerOnlyModeAsksForAServerVm) {
  LauncherSettings settings;
  settings.minimumVersion = MinimumVersionSetting(u"1.5");
  settings.maximumVersion = MaximumVersionSetting(u"any");
  const std::u16string plain =
      u"The Java Runtime Environment (JRE) was not found. Please  download and install a JRE (minimum version 1.5) "
      u"from:";
  settings.serverVmMode = ServerVmMode::Any;
  EXPECT_EQ(MissingRuntimeMessage(settings), plain);
  settings.serverVmMode = ServerVmMode::FavorServer;
  EXPECT_EQ(MissingRuntimeMessage(settings), plain);
  settings.serverVmMode = ServerVmMode::ServerOnly;
  EXPECT_EQ(MissingRuntimeMessage(settings),
            u"The Java Runtime Environment (JRE) was not found. Please  download and install a JRE with a server JVM "
            u"(minimum version 1.5) from:");
}

TEST(MissingRuntimeMessage, ErrorLineEndsWithTheDownloadAddress) {
  testing::internal::CaptureStdout();
  ReportMissingRuntime(u"Please install a JRE from:");
  std::string line = testing::internal::GetCapturedStdout();
  EXPECT_EQ(line, std::string("Error: Please install a JRE from: ") + JAVA_DOWNLOAD_ADDRESS + " \n");
  EXPECT_EQ(std::string(JAVA_DOWNLOAD_ADDRESS).rfind("https://", 0), 0u);
}

}  // namespace
