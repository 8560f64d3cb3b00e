// Registry entries of installed runtimes that no installer writes: a huge
// "JavaHome", one without its terminator, version key names that are no
// version at all. They are skipped or taken by the usual rules, and the
// valid runtime is still found.
#include <windows.h>

#include "launcher_setup_win32.h"
#include "support/text.h"
#include "support/wide_win32.h"

namespace {

using BadRegistry = LauncherSetup;

// Writes "JavaHome" of an existing entry as raw bytes of the given type.
void SetRawJavaHome(const std::string& entry, DWORD type, const std::string& bytes) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(FromUtf8(entry)), 0, KEY_WRITE | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"JavaHome", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

TEST_F(BadRegistry, OddEntriesAreSkippedOrRankedByTheRulesAndTheValidRuntimeIsFound) {
  registerRuntime(kSunJre, "1.6", runtime("valid"));
  registerRuntime(kSunJre, "1.7", std::string(32 * 1024, 'h'));
  registerRuntime(kSunJre, "1.8", "x");
  // "C:" in UTF-16 without a terminator, and an odd byte.
  SetRawJavaHome(std::string(kSunJre) + "\\1.8", REG_SZ, std::string("C\0:\0\\", 5));
  registerRuntime(kSunJre, "1.9", "x");
  SetRawJavaHome(std::string(kSunJre) + "\\1.9", REG_BINARY, std::string(7, '\xFF'));
  // Names that do not parse are version 0: ranked after every real version.
  registerRuntime(kSunJre, "99999999999", runtime("overflow"));
  registerRuntime(kSunJre, std::string(200, '9'), runtime("long"));
  registerRuntime(kSunJre, "not a version", runtime("words"));
  settings("");
  EXPECT_EQ(loadedLibrary(launch()), library("valid"));

  // Without it the version-0 entries remain, ties in the registry's order;
  // a minimum version leaves them out.
  unregister(kSunJre, "1.6");
  EXPECT_EQ(loadedLibrary(launch()), library("overflow"));
  settings("Minimum Version=1.1\r\n");
  expectNoRuntime(launch());
}

}  // namespace
