#include <gtest/gtest.h>

#include <map>

#include "vmhost/class_path.h"

namespace {

// A file system given as the matches of each pattern; records the searches.
struct FakeSearch {
  std::map<std::u16string, std::vector<std::u16string>> matches;
  std::vector<std::u16string> patterns;

  MatchFinder finder() {
    return [this](const std::u16string& pattern) {
      patterns.push_back(pattern);
      auto found = matches.find(pattern);
      return found == matches.end() ? std::vector<std::u16string>{} : found->second;
    };
  }
};

TEST(ClassPath, AbsoluteEntriesOnEachPlatform) {
  const struct {
    std::u16string entry;
    bool onWindows, onPosix;
  } cases[] = {
      {u"D:\\libs\\x.jar", true, false},
      {u"\\\\srv\\share\\x.jar", true, false},
      {u"D:", true, false},
      {u"D", false, false},
      {u"\\lib\\x.jar", false, false},
      {u"/usr/share/java/x.jar", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsAbsoluteClassPathEntry(c.entry, PathStyle::Windows), c.onWindows) << ToUtf8(c.entry);
    EXPECT_EQ(IsAbsoluteClassPathEntry(c.entry, PathStyle::Posix), c.onPosix) << ToUtf8(c.entry);
  }
}

TEST(ClassPath, WindowsEntriesAreSearchedBelowTheExecutableFolder) {
  FakeSearch search;
  search.matches[u"C:\\App\\lib\\*.jar"] = {u"a.jar", u"b.jar"};
  search.matches[u"C:\\App\\app.jar"] = {u"app.jar"};
  search.matches[u"C:\\App\\classes"] = {u"classes"};
  search.matches[u"D:\\libs\\*.jar"] = {u"y.jar"};
  const TokenList entries{u"\\lib\\*.jar",     u"\\app.jar",         u"\\classes",
                          u"D:\\libs\\x.jar",  u"\\\\srv\\s\\z.jar", u"D:\\libs\\*.jar",
                          u"D:\\libs\\x?.jar", u"\\missing\\*.jar",  u"lib\\app.jar"};
  EXPECT_EQ(BuildClassPath(entries, u"C:\\App\\app.exe", false, search.finder(), PathStyle::Windows),
            u"C:\\App\\lib\\a.jar;C:\\App\\lib\\b.jar;C:\\App\\app.jar;C:\\App\\classes;D:\\libs\\x.jar;"
            u"\\\\srv\\s\\z.jar;D:\\libs\\y.jar;D:\\libs\\x?.jar");
  // Absolute entries without "*" are not searched; a relative entry carries its own separator.
  EXPECT_EQ(search.patterns,
            (std::vector<std::u16string>{u"C:\\App\\lib\\*.jar", u"C:\\App\\app.jar", u"C:\\App\\classes",
                                         u"D:\\libs\\*.jar", u"C:\\App\\missing\\*.jar", u"C:\\Applib\\app.jar"}));
}

TEST(ClassPath, EmbeddedJarPutsTheExecutableLast) {
  FakeSearch search;
  search.matches[u"C:\\App\\lib\\*.jar"] = {u"a.jar"};
  EXPECT_EQ(BuildClassPath({u"\\lib\\*.jar"}, u"C:\\App\\app.exe", true, search.finder(), PathStyle::Windows),
            u"C:\\App\\lib\\a.jar;C:\\App\\app.exe");
  EXPECT_EQ(BuildClassPath({}, u"C:\\App\\app.exe", true, search.finder(), PathStyle::Windows), u"C:\\App\\app.exe");
  EXPECT_EQ(BuildClassPath({u"\\none.jar"}, u"C:\\App\\app.exe", false, search.finder(), PathStyle::Windows), u"");
}

// An empty element is the current directory to the VM: none at either end or
// between entries, whatever gives the entries, while "." stays an entry.
TEST(ClassPath, NoElementIsEmpty) {
  FakeSearch search;
  search.matches[u"C:\\App\\lib\\*.jar"] = {u"a.jar"};
  search.matches[u"C:\\App"] = {u"App"};   // what an empty entry would find
  search.matches[u"C:\\App."] = {u"App"};  // Windows drops a name's final dot
  search.matches[u"/opt/app/lib/*.jar"] = {u"a.jar"};
  search.matches[u"/opt/app/."] = {u"."};
  const struct {
    TokenList entries;
    bool embeddedJar;
    PathStyle style;
    const char16_t* expected;
  } rows[] = {
      {{u"", u"\\lib\\*.jar", u"", u"D:\\x.jar", u""}, false, PathStyle::Windows, u"C:\\App\\lib\\a.jar;D:\\x.jar"},
      {{u"\\missing\\*.jar", u"D:\\x.jar", u"\\missing.jar"}, true, PathStyle::Windows, u"D:\\x.jar;C:\\App\\app.exe"},
      {{u"\\missing\\*.jar"}, true, PathStyle::Windows, u"C:\\App\\app.exe"},
      {{u"."}, false, PathStyle::Windows, u"C:\\App"},
      {{u"", u"\\lib\\*.jar", u"", u"/x.jar", u""}, false, PathStyle::Posix, u"/opt/app/lib/a.jar:/x.jar"},
      {{u"\\missing\\*.jar", u"."}, true, PathStyle::Posix, u"/opt/app/.:/opt/app/app"},
  };
  for (const auto& row : rows) {
    const std::u16string executable = row.style == PathStyle::Windows ? u"C:\\App\\app.exe" : u"/opt/app/app";
    EXPECT_EQ(BuildClassPath(row.entries, executable, row.embeddedJar, search.finder(), row.style), row.expected)
        << ToUtf8(row.expected);
  }
}

TEST(ClassPath, EmptyElementsAreTakenOutOfAnExpandedList) {
  const struct {
    const char16_t* list;
    PathStyle style;
    const char16_t* expected;
  } rows[] = {
      {u"C:\\a.jar;;C:\\b.jar;", PathStyle::Windows, u"C:\\a.jar;C:\\b.jar"},
      {u";C:\\a.jar", PathStyle::Windows, u"C:\\a.jar"},
      {u";;;", PathStyle::Windows, u""},
      {u".;C:\\a.jar", PathStyle::Windows, u".;C:\\a.jar"},
      {u"/a.jar:", PathStyle::Posix, u"/a.jar"},
      {u"::/a.jar::/b;c:", PathStyle::Posix, u"/a.jar:/b;c"},
      {u":.", PathStyle::Posix, u"."},
  };
  for (const auto& row : rows) EXPECT_EQ(WithoutEmptyElements(row.list, row.style), row.expected) << ToUtf8(row.list);
}

TEST(ClassPath, PosixJoinsWithOneSlashAndReadsBackslashesAsSlashes) {
  FakeSearch search;
  search.matches[u"/opt/app/lib/*.jar"] = {u"a.jar", u"b.jar"};
  search.matches[u"/opt/app/lib/x.jar"] = {u"x.jar"};
  search.matches[u"/usr/share/java/*.jar"] = {u"y.jar"};
  const TokenList entries{u"\\lib\\*.jar", u"lib/x.jar", u"/usr/share/java/z.jar", u"/usr/share/java/*.jar"};
  EXPECT_EQ(BuildClassPath(entries, u"/opt/app/app", true, search.finder(), PathStyle::Posix),
            u"/opt/app/lib/a.jar:/opt/app/lib/b.jar:/opt/app/lib/x.jar:/usr/share/java/z.jar:"
            u"/usr/share/java/y.jar:/opt/app/app");
}

}  // namespace
