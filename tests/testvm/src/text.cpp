#include "text.h"

#include <cstdio>

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

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
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
  std::string out;
  for (char16_t c : text) {
    if (c == 0) {
      out += "\xC0\x80";
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
}

std::u16string fromUtf8(const std::string& text) {
  std::u16string out;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    unsigned char lead = *p;
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    char32_t code = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = extra >= 0 && end - p > extra;
    for (int i = 1; valid && i <= extra; ++i) {
      valid = continuation(p[i]);
      code = (code << 6) | (p[i] & 0x3F);
    }
    if (!valid) {
      out += u'\uFFFD';
      ++p;
      continue;
    }
    p += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

std::string toUtf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (highSurrogate(c) && i + 1 < text.size() && lowSurrogate(text[i + 1])) {
      appendUtf8(out, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (highSurrogate(c) || lowSurrogate(c)) {
      out += '?';
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
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
