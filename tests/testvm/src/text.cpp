#include "text.h"

#include <cstdio>

#include "support/text.h"

namespace testvm {

namespace {

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One character from `p`; a malformed byte stands for itself.
char16_t nextModified(const unsigned char*& p) {
  unsigned char lead = p[0];
  if (lead < 0x80) {
    ++p;
    return lead;
  }
  if ((lead >> 5) == 0x6 && continuation(p[1])) {
    char16_t value = static_cast<char16_t>(((lead & 0x1F) << 6) | (p[1] & 0x3F));
    p += 2;
    return value;
  }
  if ((lead >> 4) == 0xE && continuation(p[1]) && continuation(p[2])) {
    char16_t value = static_cast<char16_t>(((lead & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
    p += 3;
    return value;
  }
  ++p;
  return lead;
}

bool highSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool lowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string fromModifiedUtf8(const char* text) {
  // HotSpot sizes the string by the bytes that are not continuation bytes and
  // then decodes that many characters, which drops the tail of a 4-byte sequence.
  std::size_t count = 0;
  for (const char* p = text; *p; ++p)
    if (!continuation(static_cast<unsigned char>(*p))) ++count;
  std::u16string result;
  result.reserve(count);
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (result.size() < count) result += nextModified(p);
  return result;
}

std::string toModifiedUtf8(const std::u16string& text) {
  // Every unit on its own, a surrogate too, and NUL in its two-byte form.
  std::string out;
  for (char16_t c : text) out += c == 0 ? std::string("\xC0\x80") : ::ToUtf8(std::u16string_view(&c, 1));
  return out;
}

std::u16string fromUtf8(const std::string& text) { return ::FromUtf8(text); }

std::string toUtf8(const std::u16string& text) {
  std::u16string paired = text;
  for (std::size_t i = 0; i < paired.size(); ++i) {
    if (highSurrogate(paired[i]) && i + 1 < paired.size() && lowSurrogate(paired[i + 1]))
      ++i;
    else if (highSurrogate(paired[i]) || lowSurrogate(paired[i]))
      paired[i] = u'?';
  }
  return ::ToUtf8(paired);
}

std::string escape(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
      out += code;
    }
  }
  return out;
}

std::string dotted(std::string name) {
  for (char& c : name)
    if (c == '/') c = '.';
  return name;
}

}  // namespace testvm
