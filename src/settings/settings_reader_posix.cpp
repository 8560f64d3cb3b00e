#include <fstream>
#include <sstream>

#include "settings/ini_file.h"
#include "settings/settings_reader.h"

namespace {

std::string ReadBytes(const std::u16string& path) {
  std::ifstream file(ToUtf8(path), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace

std::u16string SettingsReader::readPlain(std::u16string_view section, std::u16string_view key) const {
  if (!text_) text_ = DecodeSettingsText(ReadBytes(path_));
  return FindIniValue(*text_, section, key);
}

// The file keeps its encoding, so that a UTF-16 file stays one.
bool WriteSetting(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value) {
  const std::string bytes = ReadBytes(path);
  const std::u16string text = SetIniValue(DecodeSettingsText(bytes), section, key, value);
  std::ofstream file(ToUtf8(path), std::ios::binary | std::ios::trunc);
  file << EncodeSettingsText(text, DetectSettingsEncoding(bytes));
  return static_cast<bool>(file.flush());
}
