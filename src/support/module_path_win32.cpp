#include <windows.h>

#include "support/messages.h"
#include "support/module_path.h"
#include "support/wide_win32.h"

bool ModulePath(std::u16string& path) {
  // A cut path would name another settings file, so the buffer grows until
  // the whole path fits.
  for (DWORD capacity = MAX_PATH;; capacity *= 2) {
    std::wstring buffer(capacity, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), capacity);
    if (length == 0) {
      ReportError(message::kWindowsException,
                  {LoadMessage(message::kModulePathFailed), static_cast<std::int32_t>(GetLastError())});
      return false;
    }
    if (length < capacity) {
      path = FromWide(buffer.data(), length);
      return true;
    }
  }
}
