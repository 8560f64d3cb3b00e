#include "dialog/tagged_label.h"

#include "support/text.h"

namespace {

size_t FindIgnoringCase(std::u16string_view text, std::u16string_view tag, size_t from) {
  for (size_t i = from; i + tag.size() <= text.size(); ++i)
    if (EqualsIgnoringCase(text.substr(i, tag.size()), tag)) return i;
  return std::u16string_view::npos;
}

std::optional<std::u16string> Present(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  return std::u16string(text);
}

}  // namespace

LabelParts SplitTaggedLabel(std::u16string_view label) {
  constexpr std::u16string_view kOpen = u"<A>", kClose = u"</A>";
  LabelParts split;
  size_t open = FindIgnoringCase(label, kOpen, 0);
  split.before = Present(label.substr(0, open));
  if (open == std::u16string_view::npos) return split;
  size_t start = open + kOpen.size();
  size_t close = FindIgnoringCase(label, kClose, start);
  split.link = std::u16string(label.substr(start, close - start));
  if (close != std::u16string_view::npos) split.after = Present(label.substr(close + kClose.size()));
  return split;
}
