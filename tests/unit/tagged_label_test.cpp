#include <gtest/gtest.h>

#include "dialog/tagged_label.h"
#include "support/text.h"

namespace {

using Part = std::optional<std::u16string>;

struct SplitCase {
  std::u16string label;
  Part before, link, after;
};

TEST(TaggedLabel, SplitsAtTheFirstOpeningAndTheNextClosingTag) {
  const SplitCase cases[] = {
      {u"Get it <A>here</A> now", u"Get it ", u"here", u" now"},
      {u"<A>here</A> now", std::nullopt, u"here", u" now"},
      {u"Get it <A>here</A>", u"Get it ", u"here", std::nullopt},
      {u"Get it <a>here</a>!", u"Get it ", u"here", u"!"},  // tags in any case
      {u"no link at all", u"no link at all", std::nullopt, std::nullopt},
      {u"open <A>to the end", u"open ", u"to the end", std::nullopt},  // no closing tag
      {u"<A>one</A> and <A>two</A>", std::nullopt, u"one", u" and <A>two</A>"},
      {u"a </A> b <A>c</A>", u"a </A> b ", u"c", std::nullopt},  // a closing tag before the link is text
      {u"<A></A>", std::nullopt, u"", std::nullopt},
      {u"", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const SplitCase& c : cases) {
    LabelParts parts = SplitTaggedLabel(c.label);
    EXPECT_EQ(parts.before, c.before) << ToUtf8(c.label);
    EXPECT_EQ(parts.link, c.link) << ToUtf8(c.label);
    EXPECT_EQ(parts.after, c.after) << ToUtf8(c.label);
  }
}

}  // namespace
