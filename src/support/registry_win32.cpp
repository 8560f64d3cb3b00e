#include "support/registry_win32.h"

#include "support/wide_win32.h"

UniqueRegistryKey OpenRegistryKey(HKEY root, const std::u16string& subkey, RegistryView view) {
  REGSAM access = KEY_READ;
  if (view == RegistryView::Bits64) access |= KEY_WOW64_64KEY;
  if (view == RegistryView::Bits32) access |= KEY_WOW64_32KEY;
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, Wide(subkey), 0, access, &key) != ERROR_SUCCESS) return UniqueRegistryKey();
  return UniqueRegistryKey(key);
}

std::vector<std::u16string> EnumerateSubkeyNames(HKEY key) {
  std::vector<std::u16string> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[MAX_PATH];
    DWORD length = MAX_PATH;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back(FromWide(name, length));
  }
  return names;
}

std::optional<std::u16string> ReadRegistryString(HKEY key, const std::u16string& valueName) {
  DWORD size = 0;
  if (RegQueryValueExW(key, Wide(valueName), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
    return std::nullopt;
  // Room for an odd last byte and a terminator the data may lack, so the text
  // below never runs past the buffer.
  std::u16string buffer(size / 2 + 2, u'\0');
  DWORD read = size;
  if (RegQueryValueExW(key, Wide(valueName), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &read) !=
      ERROR_SUCCESS)
    return std::nullopt;
  buffer.resize((read + 1) / 2);
  size_t end = buffer.find(u'\0');
  if (end != std::u16string::npos) buffer.resize(end);
  return buffer;
}
