#include "settings/ini_file.h"

#include "support/text.h"

namespace {

// Lines of the text, each without its line end.
struct Line {
  size_t begin, end;  // the line's extent in the text, line end excluded
  size_t next;        // where the following line begins
};

Line LineAt(std::u16string_view text, size_t begin) {
  size_t end = text.find(u'\n', begin);
  size_t next = end == std::u16string_view::npos ? text.size() : end + 1;
  if (end == std::u16string_view::npos) end = text.size();
  if (end > begin && text[end - 1] == u'\r') --end;
  return {begin, end, next};
}

std::u16string_view Trimmed(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == u' ' || text[begin] == u'\t')) ++begin;
  while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t')) --end;
  return text.substr(begin, end - begin);
}

// The section name of a "[name]" line.
bool SectionName(std::u16string_view line, std::u16string_view& name) {
  line = Trimmed(line);
  if (line.empty() || line[0] != u'[') return false;
  size_t close = line.find(u']');
  name = Trimmed(line.substr(1, (close == std::u16string_view::npos ? line.size() : close) - 1));
  return true;
}

bool KeyAndValue(std::u16string_view line, std::u16string_view& key, std::u16string_view& value) {
  size_t equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return false;
  key = Trimmed(line.substr(0, equals));
  value = Trimmed(line.substr(equals + 1));
  return true;
}

std::u16string_view Unquoted(std::u16string_view value) {
  if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::u16string FindIniValue(std::u16string_view text, std::u16string_view section, std::u16string_view key) {
  bool inSection = false;
  for (size_t position = 0; position < text.size();) {
    Line line = LineAt(text, position);
    position = line.next;
    std::u16string_view content = text.substr(line.begin, line.end - line.begin), name, foundKey, value;
    if (SectionName(content, name)) {
      inSection = EqualsIgnoringCase(name, section);
    } else if (inSection && KeyAndValue(content, foundKey, value) && EqualsIgnoringCase(foundKey, key)) {
      return std::u16string(Unquoted(value));
    }
  }
  return std::u16string();
}

std::u16string SetIniValue(std::u16string_view text, std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) {
  std::u16string entry = std::u16string(key) + u"=" + std::u16string(value) + u"\n";
  bool inSection = false;
  size_t sectionEnd = std::u16string_view::npos;  // where a new key of the section goes
  for (size_t position = 0; position < text.size();) {
    Line line = LineAt(text, position);
    position = line.next;
    std::u16string_view content = text.substr(line.begin, line.end - line.begin), name, foundKey, foundValue;
    if (SectionName(content, name)) {
      if (inSection) break;
      inSection = EqualsIgnoringCase(name, section);
      if (inSection) sectionEnd = line.next;
    } else if (inSection && KeyAndValue(content, foundKey, foundValue) && EqualsIgnoringCase(foundKey, key)) {
      return std::u16string(text.substr(0, line.begin)) + entry + std::u16string(text.substr(line.next));
    } else if (inSection && !Trimmed(content).empty()) {
      sectionEnd = line.next;
    }
  }
  std::u16string result(text);
  if (sectionEnd != std::u16string_view::npos) {
    if (sectionEnd > 0 && result[sectionEnd - 1] != u'\n') result.insert(sectionEnd, u"\n"), ++sectionEnd;
    return result.insert(sectionEnd, entry);
  }
  if (!result.empty() && result.back() != u'\n') result += u"\n";
  return result + u"[" + std::u16string(section) + u"]\n" + entry;
}

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string_view MarkOf(SettingsEncoding encoding) {
  switch (encoding) {
    case SettingsEncoding::Utf8WithMark:
      return kUtf8Mark;
    case SettingsEncoding::Utf16LittleEndian:
      return kUtf16LittleEndianMark;
    case SettingsEncoding::Utf16BigEndian:
      return kUtf16BigEndianMark;
    case SettingsEncoding::Utf8:
      break;
  }
  return {};
}

bool IsUtf16(SettingsEncoding encoding) {
  return encoding == SettingsEncoding::Utf16LittleEndian || encoding == SettingsEncoding::Utf16BigEndian;
}

}  // namespace

SettingsEncoding DetectSettingsEncoding(std::string_view bytes) {
  for (SettingsEncoding encoding :
       {SettingsEncoding::Utf8WithMark, SettingsEncoding::Utf16LittleEndian, SettingsEncoding::Utf16BigEndian}) {
    if (bytes.substr(0, MarkOf(encoding).size()) == MarkOf(encoding)) return encoding;
  }
  return SettingsEncoding::Utf8;
}

std::u16string DecodeSettingsText(std::string_view bytes) {
  const SettingsEncoding encoding = DetectSettingsEncoding(bytes);
  bytes.remove_prefix(MarkOf(encoding).size());
  if (!IsUtf16(encoding)) return FromUtf8(bytes);
  const int high = encoding == SettingsEncoding::Utf16BigEndian ? 0 : 1;  // the byte that holds bits 8 to 15
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t k = 0; k < text.size(); ++k) {
    text[k] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * k + high]) << 8 |
                                    static_cast<unsigned char>(bytes[2 * k + 1 - high]));
  }
  return text;
}

std::string EncodeSettingsText(std::u16string_view text, SettingsEncoding encoding) {
  std::string bytes(MarkOf(encoding));
  if (!IsUtf16(encoding)) return bytes + ToUtf8(text);
  const bool bigEndian = encoding == SettingsEncoding::Utf16BigEndian;
  bytes.reserve(bytes.size() + 2 * text.size());
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}
