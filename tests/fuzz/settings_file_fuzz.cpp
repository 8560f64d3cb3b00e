// The INI reader and writer of platforms without profile functions: any file
// can be read in any encoding, writing a key makes it read back as written
// while every other key keeps its value, and the file keeps its encoding.
#include "fuzz_text.h"
#include "settings/ini_file.h"

namespace {

// Names and values the writer can store: one line, no surrounding blanks,
// nothing the line syntax would read differently.
bool IsStorable(std::u16string_view text, std::u16string_view forbidden) {
  if (text.find_first_of(u"\r\n") != std::u16string_view::npos) return false;
  if (text.find_first_of(forbidden) != std::u16string_view::npos) return false;
  if (!text.empty() && (text.front() == u' ' || text.front() == u'\t' || text.back() == u' ' || text.back() == u'\t'))
    return false;
  const bool quoted = text.size() >= 2 && (text[0] == u'"' || text[0] == u'\'') && text.back() == text[0];
  return !quoted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string section = ConsumeReadableText(data, 32);
  const std::u16string key = ConsumeReadableText(data, 32);
  const std::u16string value = ConsumeReadableText(data, 64);
  const std::u16string otherSection = ConsumeReadableText(data, 32);
  const std::u16string otherKey = ConsumeReadableText(data, 32);
  const std::string file = data.ConsumeRemainingBytesAsString();
  const SettingsEncoding encoding = DetectSettingsEncoding(file);
  const std::u16string text = DecodeSettingsText(file);

  const std::u16string before = FindIniValue(text, otherSection, otherKey);
  FindIniValue(text, section, key);
  if (section.empty() || key.empty() || !IsStorable(section, u"[]") || !IsStorable(key, u"=[") ||
      !IsStorable(value, u""))
    return 0;
  const std::u16string written = SetIniValue(text, section, key, value);
  FUZZ_CHECK(FindIniValue(written, section, key) == value);
  const std::string stored = EncodeSettingsText(written, encoding);
  FUZZ_CHECK(DetectSettingsEncoding(stored) == encoding);
  FUZZ_CHECK(DecodeSettingsText(stored) == written);
  const bool sameKey = EqualsIgnoringCase(section, otherSection) && EqualsIgnoringCase(key, otherKey);
  if (!sameKey) FUZZ_CHECK(FindIniValue(written, otherSection, otherKey) == before);
  return 0;
}
