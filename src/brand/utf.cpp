#include "brand/utf.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point at position (advanced past it), or U+FFFD for a malformed
// sequence, of which one byte is consumed.
char32_t DecodeUtf8(std::string_view text, std::size_t& position) {
  const unsigned char lead = static_cast<unsigned char>(text[position++]);
  if (lead < 0x80) return lead;
  int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() - position < static_cast<std::size_t>(length - 1)) return kReplacement;
  char32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[position + k - 1]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    code = code << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
  position += length - 1;
  return code;
}

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
    return;
  }
  const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  constexpr unsigned char kLeads[] = {0, 0, 0xC0, 0xE0, 0xF0};
  text += static_cast<char>(kLeads[length] | code >> (6 * (length - 1)));
  for (int k = length - 2; k >= 0; --k) text += static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F));
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string result;
  for (std::size_t position = 0; position < text.size();) {
    const char32_t code = DecodeUtf8(text, position);
    if (code < 0x10000) {
      result += static_cast<char16_t>(code);
    } else {
      result += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      result += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return result;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string result;
  for (std::size_t k = 0; k < text.size(); ++k) {
    char32_t code = text[k];
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    if (high && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF)
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++k] - 0xDC00);
    else if (code >= 0xD800 && code <= 0xDFFF)
      code = kReplacement;
    AppendUtf8(result, code);
  }
  return result;
}
