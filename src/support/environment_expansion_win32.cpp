#include <windows.h>

#include "support/environment_expansion.h"
#include "support/wide_win32.h"

void ExpandEnvironment(std::u16string& text) {
  if (text.find(u'%') == std::u16string::npos) return;
  DWORD size = ExpandEnvironmentStringsW(Wide(text), nullptr, 0);
  if (size == 0) return;
  std::wstring buffer(size, L'\0');
  DWORD written = ExpandEnvironmentStringsW(Wide(text), buffer.data(), size);
  if (written == 0 || written > size) return;  // the environment changed in between
  text = FromWide(buffer.c_str());
}
