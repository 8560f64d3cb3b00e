#include <gtest/gtest.h>

#include "support/text.h"

namespace {

struct SplitCase {
  std::u16string text;
  TokenList tokens;
};

TEST(SplitText, CutsAtEverySeparatorWithoutEmptyLastToken) {
  const SplitCase cases[] = {
      {u"a;b", {u"a", u"b"}},
      {u";a", {u"", u"a"}},
      {u"a;;b", {u"a", u"", u"b"}},
      {u"a;", {u"a"}},
      {u"abc", {u"abc"}},
      {u";", {u""}},
      {u"", {}},
      {u"1.6;;1.5;", {u"1.6", u"", u"1.5"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitText(c.text, u";"), c.tokens) << ToUtf8(c.text);
}

TEST(SplitText, SeparatorsLongerThanOneCharacter) {
  EXPECT_EQ(SplitText(u"a::b::", u"::"), (TokenList{u"a", u"b"}));
  EXPECT_EQ(SplitText(u"a:b", u"::"), (TokenList{u"a:b"}));
}

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroupAtTokenStart) {
  const SplitCase cases[] = {
      {u"one  two", {u"one", u"two"}},
      {u"\"a b\" c", {u"a b", u"c"}},
      {u"\"a b\"cd", {u"a b", u"cd"}},
      {u"ab\"c d", {u"ab\"c", u"d"}},
      {u"x \"open quote runs on", {u"x", u"open quote runs on"}},
      {u"\"\"", {u""}},
      {u"a \"\" b", {u"a", u"", u"b"}},
      {u" lead", {u"", u"lead"}},
      {u"trail   ", {u"trail"}},
      {u"tab\tis ordinary", {u"tab\tis", u"ordinary"}},
      {u"back\\slash \"q\"", {u"back\\slash", u"q"}},
      {u"", {}},
  };
  for (const SplitCase& c : cases) {
    TokenList tokens;
    SplitCommandLine(c.text, tokens);
    EXPECT_EQ(tokens, c.tokens) << ToUtf8(c.text);
  }
}

TEST(SplitCommandLine, AppendsToWhatTheListHolds) {
  TokenList tokens{u"kept"};
  SplitCommandLine(u"x y", tokens);
  EXPECT_EQ(tokens, (TokenList{u"kept", u"x", u"y"}));
}

TEST(TrimWhiteSpace, RemovesWhiteSpaceAtBothEndsOnly) {
  EXPECT_EQ(TrimWhiteSpace(u" \t\r\n a b \u3000\u00a0"), u"a b");
  EXPECT_EQ(TrimWhiteSpace(u"\u2000x\u200a"), u"x");
  EXPECT_EQ(TrimWhiteSpace(u"   "), u"");
  EXPECT_EQ(TrimWhiteSpace(u"\u200bx"), u"\u200bx");  // zero-width space is no white space
}

TEST(Utf8, RoundTripsEveryPlaneAndLoneSurrogatesAndReplacesMalformedInput) {
  std::u16string text = u"a\u00e9\u20ac\U0001F600z";
  EXPECT_EQ(ToUtf8(text), "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(FromUtf8("\xc3"), u"\ufffd");            // cut sequence
  EXPECT_EQ(FromUtf8("\xc0\xaf"), u"\ufffd\ufffd");  // overlong form
  // Lone surrogates, which Windows allows in arguments, survive the trip.
  const std::u16string lones[] = {{0xD800}, {u'a', 0xDC00}, {0xDFFF, 0xD800, u'b'}, {0xD83D, 0xD83D, 0xDE00}};
  for (const std::u16string& lone : lones) EXPECT_EQ(FromUtf8(ToUtf8(lone)), lone);
  EXPECT_EQ(ToUtf8(u"\xd800"), "\xed\xa0\x80");
}

}  // namespace
