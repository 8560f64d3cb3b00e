#include "runtime/runtime_resolution.h"

#include "launcher/launcher.h"
#include "launcher/process.h"
#include "launcher/settings_loading.h"
#include "launcher/single_instance.h"
#include "runtime/installed_runtimes.h"
#include "runtime/library_machine.h"
#include "runtime/missing_runtime.h"
#include "runtime/remembered_runtime.h"
#include "runtime/vm_library_search.h"
#include "runtime/working_directory.h"

namespace {

// The runtime remembered in "JRE Path": it is taken as it is, whatever its version.
bool UseRememberedRuntime(Launcher& launcher) {
  std::u16string folder = launcher.settings.jrePath;
  if (folder.empty()) return false;
  if (folder.back() != kPathSeparator) folder += kPathSeparator;
  launcher.vmLibraryPath = FindVmLibrary(folder, launcher.settings.serverVmMode).path;
  if (launcher.vmLibraryPath.empty()) return false;
  CheckPairedLauncher(launcher);
  return true;
}

// A runtime shipped beside the executable is the product's own and never
// needs the paired launcher.
bool UseBundledRuntime(Launcher& launcher) {
  std::u16string folder = FindBundledRuntime();
  if (folder.empty()) return false;
  launcher.vmLibraryPath = FindVmLibrary(folder, launcher.settings.serverVmMode).path;
  return !launcher.vmLibraryPath.empty();
}

// An installed runtime: this build's registry view first; the other view only
// for a paired launcher, which is then the one to host what it finds.
bool UseInstalledRuntime(Launcher& launcher) {
  const LauncherSettings& settings = launcher.settings;
  std::optional<RuntimeCandidate> found = SearchRegistry(settings, RuntimeView::Default);
  if (!found && !settings.pairProduct.empty()) {
    found = SearchRegistry(settings, RuntimeView::Other);
    launcher.runPairedLauncher = found.has_value();
  }
  if (!found) return false;
  launcher.runtimeVersion = found->version;
  launcher.vmLibraryPath = FindVmLibrary(found->home, settings.serverVmMode).path;
  return !launcher.vmLibraryPath.empty();
}

bool AskUser(Launcher& launcher) {
  std::u16string folder, vmLibrary;
  if (!AskUserForRuntime(launcher.settings, folder, vmLibrary)) return false;
  launcher.vmLibraryPath = vmLibrary;
  CheckPairedLauncher(launcher);
  RememberRuntimeFolder(launcher, folder);
  return true;
}

}  // namespace

bool ResolveRuntime(Launcher& launcher) {
  launcher.arguments = CommandLineArguments();
  if (!LoadSettings(launcher) || !SetUpSingleInstance(launcher)) return false;
  if (IsSecondInstance(launcher)) return true;
  if (launcher.settings.overrideWorkingDir) ApplyWorkingDirectory();
  return UseRememberedRuntime(launcher) || UseBundledRuntime(launcher) || UseInstalledRuntime(launcher) ||
         AskUser(launcher);
}
