#include <windows.h>

#include "launcher/user_settings.h"
#include "support/environment.h"

bool PlatformHasPerUserSettings() {
  // The extended record first, as systems that know it expect; the basic one
  // for those that do not.
  OSVERSIONINFOEXW extended{};
  extended.dwOSVersionInfoSize = sizeof extended;
  if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) return extended.dwPlatformId == VER_PLATFORM_WIN32_NT;
  OSVERSIONINFOW basic{};
  basic.dwOSVersionInfoSize = sizeof basic;
  return GetVersionExW(&basic) && basic.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::u16string UserSettingsBase() { return GetEnvironmentValue(u"APPDATA").value_or(u""); }
