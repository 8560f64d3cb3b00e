#include "launcher_setup_win32.h"

#include <windows.h>

#include "support/text.h"
#include "support/wide_win32.h"

namespace {

// The keys below Software that runtimes' installers make.
const char* const kVendors[] = {"JavaSoft",           "JRockit",        "IBM",    "Eclipse Adoptium", "AdoptOpenJDK",
                                "Eclipse Foundation", "Microsoft\\JDK", "Semeru", "Azul Systems",     "BellSoft",
                                "SapMachine"};

REGSAM ViewFlag(View view) { return view == View::Own ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

HKEY KeyOf(Root root) { return root == Root::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::u16string Text(const std::string& utf8) { return FromUtf8(utf8); }

bool KeyExists(Root root, const std::string& key, View view) {
  HKEY opened;
  if (RegOpenKeyExW(KeyOf(root), Wide(Text(key)), 0, KEY_READ | ViewFlag(view), &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

void DeleteVendorKey(Root root, const std::string& vendor, View view) {
  HKEY software;
  if (RegOpenKeyExW(KeyOf(root), L"Software", 0, KEY_ALL_ACCESS | ViewFlag(view), &software) != ERROR_SUCCESS) return;
  RegDeleteTreeW(software, Wide(Text(vendor)));
  RegCloseKey(software);
}

// The vendor's key that holds key (below Software), which the test owns.
std::string VendorOf(const std::string& key) {
  for (const char* vendor : kVendors)
    if (key.rfind(vendor + std::string("\\"), 0) == 0) return vendor;
  ADD_FAILURE() << "no vendor's key holds " << key;
  return key;
}

}  // namespace

void LauncherSetup::SetUp() {
  for (const char* vendor : kVendors)
    for (Root root : {Root::Machine, Root::User})
      for (View view : {View::Own, View::Other})
        if (KeyExists(root, std::string("Software\\") + vendor, view))
          GTEST_SKIP() << "runtimes are registered on this machine (" << vendor << ")";
}

void LauncherSetup::removeRegistered() {
  for (const Registered& key : registered_) DeleteVendorKey(key.root, key.key, key.view);
  registered_.clear();
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
  write(Root::Machine, view, std::string(source).substr(std::string("Software\\").size()) + "\\" + version, "JavaHome",
        home);
}

void LauncherSetup::registerInstall(Root root, View view, const std::string& key, const char* valueName,
                                    const std::string& home) {
  write(root, view, key, valueName, home);
}

void LauncherSetup::write(Root root, View view, const std::string& key, const char* valueName,
                          const std::string& value) {
  registered_.push_back({root, VendorOf(key), view});
  HKEY opened;
  std::u16string subkey = Text("Software\\" + key);
  ASSERT_EQ(
      RegCreateKeyExW(KeyOf(root), Wide(subkey), 0, nullptr, 0, KEY_WRITE | ViewFlag(view), nullptr, &opened, nullptr),
      ERROR_SUCCESS);
  std::u16string text = Text(value);
  if (!value.empty())
    RegSetValueExW(opened, Wide(Text(valueName)), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
  RegCloseKey(opened);
}

std::string LauncherSetup::modernRuntime(const std::string& relative, const std::string& release) const {
  folder_.write(relative + "/release", release);
  folder_.write(relative + "/bin/java.dll", "");
  folder_.write(relative + "/bin/server/jvm.dll", "not a library\r\n");
  return folder_.pathOf(relative);
}

void LauncherSetup::unregister(const char* source, const std::string& version, View view) {
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, Wide(Text(std::string(source) + "\\" + version)), ViewFlag(view), 0);
}

RunResult LauncherSetup::launch(RunOptions options) const {
  // The user's settings folder is the test's own, so no per-user file of
  // another run can decide "JRE Path".
  options.environment.emplace("APPDATA", folder_.pathOf("appdata"));
  options.environment.emplace("JAVA_HOME", "");  // no runtime the machine names outside the test's
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
