#include <gtest/gtest.h>

#include "brand/version_number.h"

namespace {

TEST(VersionNumber, FourDecimalPartsUpTo65535) {
  const struct {
    const char* text;
    VersionNumber version;
  } accepted[] = {
      {"1.2.3.4", {1, 2, 3, 4}},
      {"0.0.0.0", {0, 0, 0, 0}},
      {"65535.65535.65535.65535", {65535, 65535, 65535, 65535}},
      {"01.002.0003.00004", {1, 2, 3, 4}},
      {"10.0.19041.1", {10, 0, 19041, 1}},
  };
  for (const auto& c : accepted) {
    Result<VersionNumber> parsed = ParseVersionNumber(c.text);
    ASSERT_TRUE(parsed.ok()) << c.text;
    EXPECT_EQ(parsed.value(), c.version) << c.text;
    EXPECT_EQ(ParseVersionNumber(VersionText(parsed.value())).value(), c.version) << c.text;
  }
}

TEST(VersionNumber, RefusesAnythingElseNamingTheText) {
  const char* refused[] = {"",        "1.2.3",    "1.2.3.4.5", "1.2.3.65536", "1.2.3.99999999999", "1..3.4",
                           "1.2.3.",  ".1.2.3",   "1.2.3.-4",  "1.2.3.+4",    " 1.2.3.4",          "1.2.3.4 ",
                           "1,2,3,4", "1.2.3.4a", "a.b.c.d",   "1.2.3.0x10"};
  for (const char* text : refused) {
    Result<VersionNumber> parsed = ParseVersionNumber(text);
    ASSERT_FALSE(parsed.ok()) << text;
    EXPECT_EQ(parsed.error(), std::string("not a version of four numbers up to 65535 (A.B.C.D): \"") + text + "\"");
  }
}

}  // namespace
