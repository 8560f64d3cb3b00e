// What the run publishes about its runtime, where it works, what it passes on.
#include <gtest/gtest.h>

#include "support/paths.h"
#include "support/text.h"
#include "vmhost/vm_environment.h"

namespace {

TEST(RuntimeEnvironment, HomeIsThreeLevelsAboveTheLibrary) {
  EXPECT_EQ(RuntimeHomeOf(u"C:\\Java\\jdk\\jre\\bin\\client\\jvm.dll", PathStyle::Windows), u"C:\\Java\\jdk\\jre");
  EXPECT_EQ(RuntimeHomeOf(u"/usr/lib/jvm/j17/lib/server/libjvm.so", PathStyle::Posix), u"/usr/lib/jvm/j17");
  EXPECT_EQ(RuntimeHomeOf(u"/opt/jdk8/jre/lib/amd64/server/libjvm.so", PathStyle::Posix), u"/opt/jdk8/jre");
  EXPECT_EQ(RuntimeHomeOf(u"bin\\jvm.dll", PathStyle::Windows), u"bin");  // cuts without a separator change nothing
  EXPECT_EQ(RuntimeHomeOf(u"jvm.dll", PathStyle::Windows), u"jvm.dll");
}

TEST(WorkingDirectory, IsTheExecutableFolderWithoutItsLastSeparator) {
  EXPECT_EQ(WorkingDirectoryFor(u"C:\\Apps\\Tool\\tool.exe", PathStyle::Windows),
            std::optional<std::u16string>(u"C:\\Apps\\Tool"));
  EXPECT_EQ(WorkingDirectoryFor(u"C:\\tool.exe", PathStyle::Windows), std::optional<std::u16string>(u"C:"));
  EXPECT_EQ(WorkingDirectoryFor(u"\\tool.exe", PathStyle::Windows), std::nullopt);
  EXPECT_EQ(WorkingDirectoryFor(u"tool.exe", PathStyle::Windows), std::nullopt);
  EXPECT_EQ(WorkingDirectoryFor(u"/opt/app/tool", PathStyle::Posix), std::optional<std::u16string>(u"/opt/app"));
}

TEST(CommandLine, EveryTokenAfterTheExecutableReachesTheProgram) {
  EXPECT_EQ(ArgumentsOfCommandLine(u"  \"C:\\My App\\tool.exe\" one \"two three\" \"\" -nosplash /nosplash  "),
            (TokenList{u"one", u"two three", u"", u"-nosplash", u"/nosplash"}));
  EXPECT_EQ(ArgumentsOfCommandLine(u"tool.exe"), TokenList{});
  EXPECT_EQ(ArgumentsOfCommandLine(u""), TokenList{});
}

}  // namespace
