#include <gtest/gtest.h>

#include "support/paths.h"

namespace {

struct ComponentsCase {
  std::u16string path;
  TokenList components;
};

TEST(SplitPathComponents, WindowsHeadsThenNames) {
  const ComponentsCase cases[] = {
      {u"C:\\a\\b\\f.txt", {u"C:", u"a", u"b", u"f.txt"}},
      {u"\\\\srv\\share\\d\\f.txt", {u"\\\\srv", u"share", u"d", u"f.txt"}},
      {u"\\\\?\\C:\\a\\f.txt", {u"\\\\?\\C:", u"a", u"f.txt"}},
      {u"C:\\a\\b\\", {u"C:", u"a", u"b"}},
      {u"C:\\a\\\\b", {u"C:", u"a", u"", u"b"}},
      {u"\\logs\\out.txt", {u"logs", u"out.txt"}},
      {u"logs\\app\\out.txt", {u"logs", u"app", u"out.txt"}},
      {u"C:", {u"C:"}},
  };
  for (const ComponentsCase& c : cases)
    EXPECT_EQ(SplitPathComponents(c.path, PathStyle::Windows), c.components) << ToUtf8(c.path);
}

TEST(SplitPathComponents, PosixKeepsTheRootOfAbsolutePaths) {
  EXPECT_EQ(SplitPathComponents(u"/var/log/f", PathStyle::Posix), (TokenList{u"", u"var", u"log", u"f"}));
  EXPECT_EQ(SplitPathComponents(u"logs/f", PathStyle::Posix), (TokenList{u"logs", u"f"}));
}

TEST(Paths, RootedAndComponentHelpers) {
  EXPECT_TRUE(IsRootedPath(u"C:x", PathStyle::Windows));
  EXPECT_TRUE(IsRootedPath(u"\\x", PathStyle::Windows));
  EXPECT_FALSE(IsRootedPath(u"logs\\app\\out.txt", PathStyle::Windows));
  EXPECT_FALSE(IsRootedPath(u"", PathStyle::Windows));
  EXPECT_TRUE(IsRootedPath(u"/x", PathStyle::Posix));
  EXPECT_FALSE(IsRootedPath(u"C:x", PathStyle::Posix));
  EXPECT_EQ(CutLastComponent(u"C:\\App\\app.exe", PathStyle::Windows), u"C:\\App");
  EXPECT_EQ(FileNameOf(u"C:\\App\\app.exe", PathStyle::Windows), u"app.exe");
  EXPECT_EQ(FileNameOf(u"app.exe", PathStyle::Windows), u"app.exe");
  EXPECT_EQ(FileStemOf(u"C:\\App.v2\\my.app.exe", PathStyle::Windows), u"my.app");
  EXPECT_EQ(FileStemOf(u"C:\\App.v2\\tool", PathStyle::Windows), u"tool");
  EXPECT_EQ(FileStemOf(u"/opt/app.v2/tool", PathStyle::Posix), u"tool");
}

}  // namespace
