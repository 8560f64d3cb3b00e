#include <fstream>

#include "settings/ini_file.h"
#include "settings/settings_reader.h"
#include "support/files.h"

std::u16string SettingsReader::readPlain(std::u16string_view section, std::u16string_view key) const {
  if (!text_) text_ = DecodeSettingsText(ReadFileBytes(path_));
  return FindIniValue(*text_, section, key);
}

// The file keeps its encoding, so that a UTF-16 file stays one.
bool WriteSetting(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value) {
  const std::string bytes = ReadFileBytes(path);
  const std::u16string text = SetIniValue(DecodeSettingsText(bytes), section, key, value);
  std::ofstream file(ToUtf8(path), std::ios::binary | std::ios::trunc);
  file << EncodeSettingsText(text, DetectSettingsEncoding(bytes));
  return static_cast<bool>(file.flush());
}
