#include <gtest/gtest.h>

#include <map>

#include "support/environment_expansion.h"
#include "support/os.h"
#include "support/paths.h"
#include "support/text.h"
#include "vmhost/vm_plan.h"

namespace {

TEST(ExpandReferences, KnownNamesAreReplacedAndEverythingElseStays) {
  const std::map<std::u16string, std::u16string, std::less<>> variables{{u"A", u"one"}, {u"Path", u"C:\\Windows"}};
  auto lookup = [&](std::u16string_view name) -> std::optional<std::u16string> {
    auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
  };
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"native;%Path%;x", u"native;C:\\Windows;x"},
      {u"%A%%A%", u"oneone"},
      {u"%UNDEFINED%", u"%UNDEFINED%"},
      {u"%UNDEFINED%A%", u"%UNDEFINED%A%"},
      {u"100%", u"100%"},
      {u"a%A", u"a%A"},
      {u"%%A%", u"%%A%"},
      {u"-Xmx50% of %A%", u"-Xmx50% of %A%"},
      {u"", u""},
  };
  for (const auto& [text, expanded] : cases) EXPECT_EQ(ExpandReferences(text, lookup), expanded) << ToUtf8(text);
}

TEST(ExpandReferences, OfThisProcessReplacesTheValuesOfSetVariablesOnly) {
  ASSERT_TRUE(SetEnvironmentValue(u"LAUNCHER_TEST_VALUE", u"x \u00e9 y"));
  EXPECT_EQ(GetEnvironmentValue(u"LAUNCHER_TEST_VALUE"), u"x \u00e9 y");
  EXPECT_EQ(GetEnvironmentValue(u"LAUNCHER_TEST_UNDEFINED"), std::nullopt);
  const VariableLookup environment = ThisMachine().environment;
  EXPECT_EQ(ExpandReferences(u"[%LAUNCHER_TEST_VALUE%][%LAUNCHER_TEST_UNDEFINED%]", environment),
            u"[x \u00e9 y][%LAUNCHER_TEST_UNDEFINED%]");
  // Windows compares variable names without regard to case.
  const std::u16string lower = ExpandReferences(u"%launcher_test_value%", environment);
  EXPECT_EQ(lower, kNativePathStyle == PathStyle::Windows ? u"x \u00e9 y" : u"%launcher_test_value%");
}

}  // namespace
