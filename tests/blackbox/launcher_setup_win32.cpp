#include "launcher_setup_win32.h"

#include <windows.h>

#include "support/text.h"
#include "support/wide_win32.h"

namespace {

// The vendors' keys below HKEY_LOCAL_MACHINE\Software.
const char* const kVendors[] = {"JavaSoft", "JRockit", "IBM"};

REGSAM ViewFlag(View view) { return view == View::Own ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

std::u16string Text(const std::string& utf8) { return FromUtf8(utf8); }

bool KeyExists(const std::string& key, View view) {
  HKEY opened;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(Text(key)), 0, KEY_READ | ViewFlag(view), &opened) != ERROR_SUCCESS)
    return false;
  RegCloseKey(opened);
  return true;
}

void DeleteVendorKey(const std::string& vendor, View view) {
  HKEY software;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_ALL_ACCESS | ViewFlag(view), &software) != ERROR_SUCCESS)
    return;
  RegDeleteTreeW(software, Wide(Text(vendor)));
  RegCloseKey(software);
}

}  // namespace

void LauncherSetup::SetUp() {
  for (const char* vendor : kVendors)
    for (View view : {View::Own, View::Other})
      if (KeyExists(std::string("Software\\") + vendor, view))
        GTEST_SKIP() << "runtimes are registered on this machine (" << vendor << ")";
}

void LauncherSetup::TearDown() {
  for (const auto& [vendor, view] : registered_) DeleteVendorKey(vendor, view);
}

void LauncherSetup::settings(const std::string& lines) const {
  folder_.write("launcher.ini", "[Java Runtime Environment]\r\nMain Class=app.Main\r\n" + lines);
}

namespace {

// A file below a runtime folder; "" names the test folder itself.
std::string Below(const std::string& folder, const std::string& relative) {
  return folder.empty() ? relative : folder + "/" + relative;
}

}  // namespace

std::string LauncherSetup::runtime(const std::string& relative, std::initializer_list<const char*> vms) const {
  for (const char* vm : vms) folder_.write(Below(relative, "bin/" + std::string(vm) + "/jvm.dll"), "not a library\r\n");
  return folder_.pathOf(relative);
}

std::string LauncherSetup::library(const std::string& relative, const char* vm) const {
  return folder_.pathOf(Below(relative, "bin/" + std::string(vm) + "/jvm.dll"));
}

void LauncherSetup::registerRuntime(const char* source, const std::string& version, const std::string& home,
                                    View view) {
  for (const char* vendor : kVendors)
    if (std::string(source).rfind(std::string("Software\\") + vendor + "\\", 0) == 0)
      registered_.emplace_back(vendor, view);
  HKEY key;
  std::u16string subkey = Text(std::string(source) + "\\" + version);
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(subkey), 0, nullptr, 0, KEY_WRITE | ViewFlag(view), nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  std::u16string value = Text(home);
  if (!home.empty())
    RegSetValueExW(key, L"JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
  RegCloseKey(key);
}

void LauncherSetup::unregister(const char* source, const std::string& version, View view) {
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, Wide(Text(std::string(source) + "\\" + version)), ViewFlag(view), 0);
}

RunResult LauncherSetup::launch(RunOptions options) const {
  // The user's settings folder is the test's own, so no per-user file of
  // another run can decide "JRE Path".
  options.environment.emplace("APPDATA", folder_.pathOf("appdata"));
  return RunProgram(launcher_, options);
}

std::string LauncherSetup::loadedLibrary(const RunResult& run) {
  const std::string prefix = "Error: Failed to load Java VM library: ", suffix = " (errno = ";
  size_t end = run.output.find(suffix);
  if (run.output.rfind(prefix, 0) != 0 || end == std::string::npos || run.exitCode != -1) {
    ADD_FAILURE() << "the launch did not end loading a VM library: exit code " << run.exitCode << ", output "
                  << run.output;
    return std::string();
  }
  return run.output.substr(prefix.size(), end - prefix.size());
}

void LauncherSetup::expectNoRuntime(const RunResult& run) {
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.output.rfind("Error: The Java Runtime Environment (JRE) was not found.", 0), 0u) << run.output;
}
