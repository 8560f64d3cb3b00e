#include <gtest/gtest.h>

#include "support/java_version.h"
#include "support/text.h"

namespace {

JavaVersion Parsed(std::u16string_view text, int fill = 0) {
  JavaVersion version;
  version.parse(text, fill);
  return version;
}

struct ParseCase {
  std::u16string text;
  int fill;
  bool ok;
  std::array<std::int32_t, 4> parts;
  int count;
};

TEST(JavaVersion, ParsesDigitGroupsWithFill) {
  const ParseCase cases[] = {
      {u"1.6.0_24", 0, true, {1, 6, 0, 24}, 4},
      {u"1.6", 0, true, {1, 6, 0, 0}, 2},
      {u"1.6", 65535, true, {1, 6, 65535, 65535}, 2},
      {u"jre1.5.0_10", 0, true, {1, 5, 0, 10}, 4},
      {u"1.6.0_24-b07", 0, true, {1, 6, 0, 24}, 5},
      {u"6u21", 0, true, {6, 21, 0, 0}, 2},
      {u"1..6", 0, true, {1, 6, 0, 0}, 2},
      {u"0012", 7, true, {12, 7, 7, 7}, 1},
      {u"2147483647", 0, true, {2147483647, 0, 0, 0}, 1},
      {u"", 0, false, {0, 0, 0, 0}, 0},
      {u"any", 65535, false, {0, 0, 0, 0}, 0},
      {u"\u0661.2", 0, true, {2, 0, 0, 0}, 1},  // only ASCII digits count
  };
  for (const ParseCase& c : cases) {
    JavaVersion version;
    EXPECT_EQ(version.parse(c.text, c.fill), c.ok) << ToUtf8(c.text);
    EXPECT_EQ(version.parts, c.parts) << ToUtf8(c.text);
    EXPECT_EQ(version.count, c.count) << ToUtf8(c.text);
  }
}

TEST(JavaVersion, GroupsBeyondTheSigned32BitRangeFail) {
  for (std::u16string text : {u"21474836470", u"2147483648", u"2147483649", u"1.99999999999"}) {
    JavaVersion version;
    EXPECT_FALSE(version.parse(text, 65535)) << ToUtf8(text);
    EXPECT_EQ(version.parts, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(version.count, 0);
  }
}

TEST(JavaVersion, CompareIgnoresCount) {
  EXPECT_EQ(JavaVersion::compare(Parsed(u"1.6"), Parsed(u"1.6.0.0")), 0);
  EXPECT_EQ(JavaVersion::compare(Parsed(u"1.6", 65535), Parsed(u"1.6.0_24")), 1);
  EXPECT_EQ(JavaVersion::compare(Parsed(u"1.5.0_22"), Parsed(u"1.6")), -1);
  EXPECT_EQ(JavaVersion::compare(Parsed(u"10"), Parsed(u"9.9.9.9")), 1);
  EXPECT_TRUE(JavaVersion::equalParts(Parsed(u"1.6"), Parsed(u"1.6.0")));
  EXPECT_FALSE(JavaVersion::equalParts(Parsed(u"1.6"), Parsed(u"1.6", 65535)));
}

TEST(JavaVersion, PreferredVersionMatchesEqualPartsOrPrefix) {
  struct Case {
    std::u16string candidate, preferred;
    bool matches;
  } cases[] = {
      {u"1.6.0_20", u"1.6", true},
      {u"1.6", u"1.6.0", true},       // equal parts
      {u"1.6.0_24", u"1.6.0", true},  // prefix
      {u"1.6", u"1.6.0.0", true},     // equal parts beat the larger count
      {u"1.6.0_24", u"1.6.0_24-b07", true},
      {u"1.6.0_25", u"1.6.0_24-b07", false},
      {u"1.7", u"1.6", false},
      {u"1.6.1", u"1.6.0.0", false},
      {u"1.6.0_24", u"", false},  // count 0 matches only 0.0.0.0
      {u"0.0", u"", true},
      {u"1", u"1.0.1", false},  // preferred count above the candidate's
  };
  for (const Case& c : cases)
    EXPECT_EQ(JavaVersion::matches(Parsed(c.candidate), Parsed(c.preferred)), c.matches)
        << ToUtf8(c.candidate) << " / " << ToUtf8(c.preferred);
}

TEST(JavaVersion, TextFormDropsTrailingFillersKeepingTwoParts) {
  struct Case {
    std::array<std::int32_t, 4> parts;
    std::u16string text;
  } cases[] = {
      {{1, 6, 0, 24}, u"1.6.0.24"},
      {{1, 6, 0, 0}, u"1.6"},
      {{1, 0, 0, 0}, u"1.0"},
      {{1, 6, 65535, 65535}, u"1.6"},
      {{1, 0, 5, 0}, u"1.0.5"},
      {{0, 0, 0, 0}, u"0.0.0.0"},
      {{65535, 65535, 65535, 65535}, u"0.0.0.0"},
      {{0, 0, 0, 5}, u"0.0.0.5"},
      {{17, 65535, 0, 65535}, u"17.65535"},
  };
  for (const Case& c : cases) EXPECT_EQ((JavaVersion{c.parts, 4}.toText()), c.text);
}

TEST(JavaVersion, UnsetMeansAllZeroOrAllOpenMaximum) {
  EXPECT_TRUE(JavaVersion().isUnset());
  EXPECT_TRUE(JavaVersion::OpenMaximum().isUnset());
  EXPECT_TRUE((JavaVersion{{0, 0, 0, 0}, 4}.isUnset()));
  EXPECT_FALSE(Parsed(u"1.6", 65535).isUnset());
  EXPECT_FALSE((JavaVersion{{0, 0, 0, 65535}, 4}.isUnset()));
}

TEST(JavaVersion, SettingsWordAnyOpensTheBoundExactlyAsWritten) {
  EXPECT_EQ(MinimumVersionSetting(u"any").count, 4);
  EXPECT_EQ(MaximumVersionSetting(u"any").parts, JavaVersion::OpenMaximum().parts);
  EXPECT_EQ(MinimumVersionSetting(u"Any").count, 0);  // parsed as a version text
  EXPECT_EQ(MaximumVersionSetting(u"1.6").parts, (std::array<std::int32_t, 4>{1, 6, 65535, 65535}));
  EXPECT_EQ(MinimumVersionSetting(u"").count, 0);
}

TEST(JavaVersion, MaximumThatNamesNoVersionIsOpen) {
  for (const char16_t* text : {u"", u"Any", u"none", u"99999999999"})
    EXPECT_EQ(MaximumVersionSetting(text).parts, JavaVersion::OpenMaximum().parts) << ToUtf8(text);
  EXPECT_EQ(MaximumVersionSetting(u"0").parts, (std::array<std::int32_t, 4>{0, 65535, 65535, 65535}));
}

}  // namespace
