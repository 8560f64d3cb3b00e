// Which paths in the VM's options go by their short names when the VM's
// narrow text cannot carry them, and when a launch cannot be made at all.
#include <gtest/gtest.h>

#include <map>

#include "vmhost/vm_option_paths.h"

namespace {

// A code page with ASCII only, and a file system given as its short names: a
// path that maps to itself exists but has none.
struct FakeCodePage {
  std::map<std::u16string, std::u16string> shortNames;

  NarrowTextFacts facts() const {
    return {[](std::u16string_view text) {
              for (char16_t c : text)
                if (c >= 0x80) return false;
              return true;
            },
            [this](const std::u16string& path) -> std::optional<std::u16string> {
              auto found = shortNames.find(path);
              if (found == shortNames.end()) return std::nullopt;
              return found->second;
            }};
  }
};

const std::u16string kJapanese = u"\u65e5\u672c";

TEST(VmOptionPaths, PathsOfEveryKindGoByTheirShortNames) {
  FakeCodePage codePage;
  codePage.shortNames = {
      {u"C:\\" + kJapanese + u"\\a.jar", u"C:\\6E5E~1\\a.jar"},
      {u"C:\\" + kJapanese + u"\\bin", u"C:\\6E5E~1\\bin"},
      {u"C:\\" + kJapanese + u"\\agent.jar", u"C:\\6E5E~1\\agent.jar"},
      {u"C:\\" + kJapanese + u"\\jdwp.dll", u"C:\\6E5E~1\\jdwp.dll"},
  };
  const struct {
    std::u16string option;
    std::u16string expected;
  } rows[] = {
      {u"-Djava.class.path=C:\\a.jar;C:\\" + kJapanese + u"\\a.jar;.",
       u"-Djava.class.path=C:\\a.jar;C:\\6E5E~1\\a.jar;."},
      {u"-Djava.library.path=C:\\" + kJapanese + u"\\bin;.;C:\\Windows",
       u"-Djava.library.path=C:\\6E5E~1\\bin;.;C:\\Windows"},
      {u"-Xbootclasspath/a:C:\\" + kJapanese + u"\\a.jar", u"-Xbootclasspath/a:C:\\6E5E~1\\a.jar"},
      {u"-javaagent:C:\\" + kJapanese + u"\\agent.jar=mode=" + kJapanese,
       u"-javaagent:C:\\6E5E~1\\agent.jar=mode=" + kJapanese},
      {u"-agentpath:C:\\" + kJapanese + u"\\jdwp.dll", u"-agentpath:C:\\6E5E~1\\jdwp.dll"},
      // Not a path the launcher knows: as written, whatever the code page makes of it.
      {u"-Dtitle=" + kJapanese, u"-Dtitle=" + kJapanese},
      {u"-Dapp.home=C:\\" + kJapanese + u"\\bin", u"-Dapp.home=C:\\" + kJapanese + u"\\bin"},
      // Elements that name nothing are left out rather than corrupted.
      {u"-Djava.class.path=C:\\" + kJapanese + u"\\missing.jar;C:\\b.jar", u"-Djava.class.path=C:\\b.jar"},
  };
  for (const auto& row : rows) {
    const CarriedOptions carried = CarryOptionPaths({row.option}, codePage.facts(), PathStyle::Windows);
    EXPECT_EQ(carried.options, TokenList{row.expected}) << ToUtf8(row.option);
    EXPECT_FALSE(carried.uncarriedPath) << ToUtf8(row.option);
  }
}

TEST(VmOptionPaths, APathWithoutAShortNameTheTextCanCarryFailsTheLaunch) {
  FakeCodePage codePage;
  const std::u16string noShortName = u"D:\\" + kJapanese + u"\\a.jar";
  codePage.shortNames = {{noShortName, noShortName}, {u"D:\\" + kJapanese + u"\\b.jar", u"D:\\" + kJapanese + u"~1"}};
  const struct {
    std::u16string option;
    std::u16string uncarried;
  } rows[] = {
      {u"-Djava.class.path=C:\\a.jar;" + noShortName, noShortName},
      {u"-Djava.library.path=" + noShortName + u";D:\\" + kJapanese + u"\\b.jar", noShortName},
      {u"-Djava.library.path=D:\\" + kJapanese + u"\\b.jar", u"D:\\" + kJapanese + u"\\b.jar"},
      // An empty class path would be the current directory; an option cannot go without its file.
      {u"-Djava.class.path=D:\\" + kJapanese + u"\\missing.jar;D:\\" + kJapanese + u"\\gone.jar",
       u"D:\\" + kJapanese + u"\\missing.jar"},
      {u"-javaagent:D:\\" + kJapanese + u"\\missing.jar=x", u"D:\\" + kJapanese + u"\\missing.jar"},
      {u"-agentpath:" + noShortName, noShortName},
  };
  for (const auto& row : rows) {
    const CarriedOptions carried = CarryOptionPaths({u"-Xmx1g", row.option, u"-Djava.class.path=" + noShortName},
                                                    codePage.facts(), PathStyle::Windows);
    EXPECT_EQ(carried.uncarriedPath, row.uncarried) << ToUtf8(row.option);  // the first one
  }
}

TEST(VmOptionPaths, OptionsTheTextCarriesAreLeftUntouched) {
  FakeCodePage codePage;
  const TokenList options{u"-Djava.class.path=/opt/a.jar::/opt/b.jar", u"-javaagent:/opt/agent.jar", u"-Xss1m"};
  const CarriedOptions carried = CarryOptionPaths(options, codePage.facts(), PathStyle::Posix);
  EXPECT_EQ(carried.options, options);
  EXPECT_FALSE(carried.uncarriedPath);
}

}  // namespace
