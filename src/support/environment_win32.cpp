#include <windows.h>

#include "support/environment.h"
#include "support/wide_win32.h"

std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name) {
  // A value that does not fit is not cut: the call answers with the size it needs.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableW(Wide(name), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    if (length < buffer.size()) return FromWide(buffer.data(), length);
    buffer.resize(length);
  }
}

bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  return SetEnvironmentVariableW(Wide(name), Wide(value)) != 0;
}

bool SetCurrentFolder(const std::u16string& folder) { return SetCurrentDirectoryW(Wide(folder)) != 0; }
