#include <gtest/gtest.h>

#include <map>

#include "support/environment.h"
#include "support/environment_expansion.h"
#include "support/text.h"

namespace {

TEST(ExpandReferences, KnownNamesAreReplacedAndEverythingElseStays) {
  const std::map<std::u16string, std::u16string, std::less<>> variables{{u"A", u"one"}, {u"Path", u"C:\\Windows"}};
  auto lookup = [&](std::u16string_view name) -> std::optional<std::u16string> {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"native;%Path%;x", u"native;C:\\Windows;x"}, {u"%A%%A%", u"oneone"},
      {u"%UNDEFINED%", u"%UNDEFINED%"},             {u"%UNDEFINED%A%", u"%UNDEFINED%A%"},
      {u"100%", u"100%"},                           {u"a%A", u"a%A"},
      {u"%%A%", u"%%A%"},                           {u"-Xmx50% of %A%", u"-Xmx50% of %A%"},
      {u"", u""},
  };
  for (const auto& [text, expanded] : cases) EXPECT_EQ(ExpandReferences(text, lookup), expanded) << ToUtf8(text);
}

TEST(ExpandEnvironment, ReplacesTheValuesOfSetVariablesOnly) {
  ASSERT_TRUE(SetEnvironmentValue(u"LAUNCHER_TEST_VALUE", u"x \u00e9 y"));
  EXPECT_EQ(GetEnvironmentValue(u"LAUNCHER_TEST_VALUE"), u"x \u00e9 y");
  EXPECT_EQ(GetEnvironmentValue(u"LAUNCHER_TEST_UNDEFINED"), std::nullopt);
  std::u16string text = u"[%LAUNCHER_TEST_VALUE%][%LAUNCHER_TEST_UNDEFINED%]";
  ExpandEnvironment(text);
  EXPECT_EQ(text, u"[x \u00e9 y][%LAUNCHER_TEST_UNDEFINED%]");
}

}  // namespace
