#include <gtest/gtest.h>

#include "vmhost/vm_parameters.h"

namespace {

constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

TEST(SplitVmParameters, BlanksOutsideQuotesSeparateTokens) {
  const struct {
    std::u16string value;
    TokenList tokens;
  } cases[] = {
      {u"-Xmx512m   -Dp=\"a b\"  -ea", {u"-Xmx512m", u"-Dp=\"a b\"", u"-ea"}},
      {u"a\"b c\"d", {u"a\"b c\"d"}},
      {u"-Dq=\"say \"\"hi\"\"\" -ea", {u"-Dq=\"say \"\"hi\"\"\"", u"-ea"}},
      {u"-Da=\"x y", {u"-Da=\"x", u"y"}},                            // an unmatched quote protects nothing
      {u"-Da=\"x y\"\"z w\" v", {u"-Da=\"x y\"\"z", u"w\"", u"v"}},  // the doubled quote closes
      {u"-a\t-b", {u"-a\t-b"}},
      {u"-ea   ", {u"-ea"}},
      {u"  -ea", {u"-ea"}},  // as "Virtual Machine Parameters" from a "+" section reads
      {u"", {}},
      {u"   ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitVmParameters(c.value), c.tokens) << ToUtf8(c.value);
}

// A settings value is read whole, however long: quotes must not make the
// work grow with the square of its length.
TEST(SplitVmParameters, AMegabyteOfQuotesIsSplitAndStrippedInOnePass) {
  std::u16string quoted, stripped;
  for (int k = 0; k < 1 << 18; ++k) quoted += u"\"a\"x", stripped += u"ax";
  const TokenList tokens = SplitVmParameters(quoted + u" -ea");
  ASSERT_EQ(tokens, (TokenList{quoted, u"-ea"}));
  EXPECT_EQ(StripQuotes(tokens[0]), stripped);
}

TEST(StripQuotes, RemovesPairsAndKeepsOneQuoteOfEachDoubledPair) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"-Dname=\"a b\"", u"-Dname=a b"},
      {u"-Dq=\"say \"\"hi\"\"\"", u"-Dq=say \"hi\""},
      {u"a\"b c\"d", u"ab cd"},
      {u"a\"\"b", u"ab"},
      {u"a\"\"\"b", u"a\"b"},
      {u"\"unmatched", u"\"unmatched"},
      {u"\"x\"\"", u"x\""},
      {u"plain", u"plain"},
  };
  for (const auto& [token, stripped] : cases) EXPECT_EQ(StripQuotes(token), stripped) << ToUtf8(token);
}

TEST(ExpandMemoryOption, OnlyTheThreeSizeOptionsWithASuffixQualify) {
  EXPECT_TRUE(IsRelativeMemoryOption(u"-Xmx25p"));
  EXPECT_TRUE(IsRelativeMemoryOption(u"-Xms25P"));
  EXPECT_TRUE(IsRelativeMemoryOption(u"-Xss1T"));
  EXPECT_TRUE(IsRelativeMemoryOption(u"-Xmx5t"));
  EXPECT_FALSE(IsRelativeMemoryOption(u"-XMX25P"));
  EXPECT_FALSE(IsRelativeMemoryOption(u"-Xmx25"));
  EXPECT_FALSE(IsRelativeMemoryOption(u"-Xmn25P"));
  EXPECT_FALSE(IsRelativeMemoryOption(u"-Xm"));
}

TEST(ExpandMemoryOption, PercentOfTheBaseCappedThenRaisedInKilobytes) {
  const MemoryStatus twoGiB{2 * kGiB, 2000000000};
  const MemoryStatus oneGiB{kGiB, kGiB};
  const MemoryStatus terabytes{64 * kGiB, 128ull * 1024 * kGiB};
  const struct {
    std::u16string token;
    MemoryStatus memory;
    std::u16string in32Bits, in64Bits;
  } cases[] = {
      {u"-Xmx50:256:1024P", twoGiB, u"-Xmx1048576K", u"-Xmx1048576K"},
      {u"-Xms25T", twoGiB, u"-Xms488281K", u"-Xms488281K"},
      {u"-Xmx10:512P", oneGiB, u"-Xmx524288K", u"-Xmx524288K"},  // the minimum beats the percentage
      {u"-Xmx25p", oneGiB, u"-Xmx262144K", u"-Xmx262144K"},
      {u"-Xmx50:0:100P", oneGiB, u"-Xmx102400K", u"-Xmx102400K"},    // capped at the maximum
      {u"-Xmx50:600:100P", oneGiB, u"-Xmx614400K", u"-Xmx614400K"},  // the minimum is applied last
      {u"-Xmx5a0P", oneGiB, u"-Xmx524288K", u"-Xmx524288K"},         // other characters are skipped
      {u"-Xss:1P", oneGiB, u"-Xss1024K", u"-Xss1024K"},
      {u"-XmxP", oneGiB, u"-XmxP0K", u"-XmxP0K"},  // no number part
      // A 32-bit process sees figures saturated at 4 GiB; a 64-bit one computes with terabytes.
      {u"-Xmx25T", terabytes, u"-Xmx1048575K", u"-Xmx34359738368K"},
      {u"-Xmx50P", terabytes, u"-Xmx2097151K", u"-Xmx33554432K"},
      // 32-bit sizes are written as signed numbers, and megabyte limits wrap.
      {u"-Xmx1:2097152P", oneGiB, u"-Xmx-2147483648K", u"-Xmx2147483648K"},
      {u"-Xmx50:0:4194304P", MemoryStatus{2 * kGiB, 0}, u"-Xmx0K", u"-Xmx1048576K"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandMemoryOption(c.token, c.memory, MemoryArithmetic::Bits32), c.in32Bits) << ToUtf8(c.token);
    EXPECT_EQ(ExpandMemoryOption(c.token, c.memory, MemoryArithmetic::Bits64), c.in64Bits) << ToUtf8(c.token);
  }
}

TEST(ParseStackSize, OneNumberWithAnOptionalUnit) {
  const std::pair<std::u16string, std::uint32_t> cases[] = {
      {u"512k", 524288u},
      {u"1m", 1048576u},
      {u"1M", 1048576u},
      {u"2097152", 2097152u},
      {u"1g", 1073741824u},
      {u"1048576K", 1073741824u},
      {u"1:2m", 0u},
      {u"x1m", 0u},
      {u"", 0u},
      {u"m", 0u},
      {u"4g", 0u},  // wraps
      {u"7", 7u},
      {u"1x", 1u},
  };
  for (const auto& [text, size] : cases) EXPECT_EQ(ParseStackSize(text), size) << ToUtf8(text);
}

}  // namespace
