#include "support/environment_expansion.h"

std::u16string ExpandReferences(std::u16string_view text, const VariableLookup& lookup) {
  std::u16string out;
  out.reserve(text.size());
  size_t position = 0;
  while (position < text.size()) {
    size_t open = text.find(u'%', position);
    size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
    if (close == std::u16string_view::npos) break;
    out += text.substr(position, open - position);
    std::u16string_view name = text.substr(open + 1, close - open - 1);
    std::optional<std::u16string> value = name.empty() ? std::nullopt : lookup(name);
    if (value)
      out += *value;
    else
      out += text.substr(open, close - open + 1);  // an unknown reference stays, both "%" included
    position = close + 1;
  }
  out += text.substr(position);
  return out;
}
