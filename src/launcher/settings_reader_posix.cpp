#include <fstream>
#include <sstream>

#include "launcher/ini_file.h"
#include "launcher/settings_reader.h"

namespace {

std::u16string ReadTextFile(const std::u16string& path) {
  std::ifstream file(ToUtf8(path), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return FromUtf8(content.str());
}

}  // namespace

std::u16string SettingsReader::readPlain(std::u16string_view section, std::u16string_view key) const {
  return FindIniValue(ReadTextFile(path_), section, key);
}

bool WriteSetting(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value) {
  std::u16string text = SetIniValue(ReadTextFile(path), section, key, value);
  std::ofstream file(ToUtf8(path), std::ios::binary | std::ios::trunc);
  file << ToUtf8(text);
  return static_cast<bool>(file.flush());
}
