#include "support/text.h"

TokenList SplitText(std::u16string_view text, std::u16string_view separator) {
  TokenList tokens;
  size_t position = 0;
  while (position < text.size()) {
    size_t found = text.find(separator, position);
    if (found == std::u16string_view::npos) {
      tokens.emplace_back(text.substr(position));
      break;
    }
    tokens.emplace_back(text.substr(position, found - position));
    position = found + separator.size();
  }
  return tokens;
}

namespace {

size_t SkipBlanks(std::u16string_view text, size_t position) {
  while (position < text.size() && text[position] == u' ') ++position;
  return position;
}

}  // namespace

void SplitCommandLine(std::u16string_view text, TokenList& tokens) {
  size_t position = 0;
  while (position < text.size()) {
    size_t next;
    if (text[position] == u'"') {
      size_t closing = text.find(u'"', position + 1);
      if (closing == std::u16string_view::npos) {
        tokens.emplace_back(text.substr(position + 1));
        return;
      }
      tokens.emplace_back(text.substr(position + 1, closing - position - 1));
      next = closing + 1;
    } else {
      size_t blank = text.find(u' ', position);
      if (blank == std::u16string_view::npos) {
        tokens.emplace_back(text.substr(position));
        return;
      }
      tokens.emplace_back(text.substr(position, blank - position));
      next = blank;
    }
    position = SkipBlanks(text, next);
  }
}

TokenList ArgumentsOfCommandLine(std::u16string_view commandLine) {
  TokenList tokens;
  SplitCommandLine(TrimWhiteSpace(commandLine), tokens);
  if (!tokens.empty()) tokens.erase(tokens.begin());
  return tokens;
}

bool IsWhiteSpace(char16_t c) {
  switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

std::u16string TrimWhiteSpace(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsWhiteSpace(text[begin])) ++begin;
  while (end > begin && IsWhiteSpace(text[end - 1])) --end;
  return std::u16string(text.substr(begin, end - begin));
}

namespace {

char16_t FoldCase(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

}  // namespace

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // A lone surrogate keeps its three-byte form, so that no UTF-16 text is lost on the way.
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = text[i];
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length != 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      unsigned char next = text[i + k];
      valid = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && c >= kSmallest[length] && c <= 0x10FFFF;
    if (!valid) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += length;
  }
  return out;
}

std::u16string FromAscii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

std::u16string UnsignedDecimal(unsigned long long value) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

std::u16string ToDecimal(long long value) {
  // The magnitude of the smallest value does not fit its own type.
  if (value >= 0) return UnsignedDecimal(static_cast<unsigned long long>(value));
  return u"-" + UnsignedDecimal(0 - static_cast<unsigned long long>(value));
}

std::uint64_t Fnv1a(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
  return hash;
}

std::u16string HashText(std::string_view bytes) {
  std::uint64_t hash = Fnv1a(bytes);
  std::u16string text(16, u'0');
  for (size_t k = 16; k-- > 0; hash >>= 4) text[k] = u"0123456789abcdef"[hash & 15];
  return text;
}
