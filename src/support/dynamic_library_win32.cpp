#include <windows.h>

#include "support/dynamic_library.h"
#include "support/wide_win32.h"

void* LoadDynamicLibrary(const std::u16string& path, int& error) {
  HMODULE library = LoadLibraryW(Wide(path));
  error = library ? 0 : static_cast<int>(GetLastError());
  return library;
}

void* FindLibraryExport(void* library, const char* name, int& error) {
  FARPROC address = GetProcAddress(static_cast<HMODULE>(library), name);
  error = address ? 0 : static_cast<int>(GetLastError());
  return reinterpret_cast<void*>(address);
}
