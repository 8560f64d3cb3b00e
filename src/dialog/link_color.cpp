#include "dialog/link_color.h"

#include <climits>

#include "support/text.h"

namespace {

// Leading white space, an optional sign, decimal digits; no digits read as 0
// and values past the int range stop at its ends, as _wtoi does.
int ReadInteger(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// The field up to the next comma; nothing when there is no comma. The rest
// starts after it.
std::optional<int> ReadField(std::u16string_view& rest) {
  size_t comma = rest.find(u',');
  if (comma == std::u16string_view::npos) return std::nullopt;
  int value = ReadInteger(rest.substr(0, comma));
  rest.remove_prefix(comma + 1);
  return value;
}

LinkColor LowByte(int value) { return static_cast<LinkColor>(value) & 0xFF; }

}  // namespace

std::optional<LinkColor> ParseLinkColor(std::u16string_view text) {
  std::optional<int> red = ReadField(text);
  std::optional<int> green = ReadField(text);
  if (!red || !green || *red == -1 || *green == -1 || text.empty()) return std::nullopt;
  int blue = ReadInteger(text);
  return LowByte(blue) << 16 | LowByte(*green) << 8 | LowByte(*red);
}

std::optional<LinkColor> LinkColorFromRegistryValue(bool isStringType, const char16_t* data, std::size_t byteCount) {
  if (!isStringType || byteCount < sizeof(char16_t) || byteCount % sizeof(char16_t) != 0 ||
      byteCount > kLinkColorValueCapacity * sizeof(char16_t))
    return std::nullopt;
  size_t length = byteCount / sizeof(char16_t) - 1;
  if (data[length] != u'\0') return std::nullopt;
  std::u16string_view text(data, length);
  return ParseLinkColor(text.substr(0, text.find(u'\0')));
}
