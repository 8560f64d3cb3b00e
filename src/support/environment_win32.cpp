#include <windows.h>

#include "support/environment.h"
#include "support/wide_win32.h"

std::optional<std::u16string> ReadEnvironmentVariable(const std::u16string& name) {
  DWORD capacity = 256;
  for (;;) {
    std::wstring buffer(capacity, L'\0');
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableW(Wide(name), buffer.data(), capacity);
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::u16string();
    }
    if (length < capacity) return FromWide(buffer.data(), length);
    capacity = length;  // the size needed, terminator included
  }
}

bool WriteEnvironmentVariable(const std::u16string& name, const std::u16string& value) {
  return SetEnvironmentVariableW(Wide(name), Wide(value)) != 0;
}

void ExpandEnvironment(std::u16string& text) {
  DWORD size = ExpandEnvironmentStringsW(Wide(text), nullptr, 0);
  if (size == 0) return;
  std::wstring buffer(size, L'\0');
  DWORD written = ExpandEnvironmentStringsW(Wide(text), buffer.data(), size);
  if (written == 0 || written > size) return;  // the environment changed in between
  text = FromWide(buffer.c_str());
}
