#include <windows.h>

#include "settings/settings_reader.h"
#include "support/wide_win32.h"

std::u16string SettingsReader::readPlain(std::u16string_view section, std::u16string_view key) const {
  std::u16string sectionName(section), keyName(key);
  // A result of exactly the buffer size minus one may be a cut value.
  for (DWORD capacity = 256;; capacity *= 2) {
    std::u16string buffer(capacity, u'\0');
    DWORD length =
        GetPrivateProfileStringW(Wide(sectionName), Wide(keyName), L"", WideBuffer(buffer), capacity, Wide(path_));
    if (length < capacity - 1) return buffer.substr(0, length);
  }
}

bool WriteSetting(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value) {
  std::u16string sectionName(section), keyName(key), text(value);
  return WritePrivateProfileStringW(Wide(sectionName), Wide(keyName), Wide(text), Wide(path)) != 0;
}
