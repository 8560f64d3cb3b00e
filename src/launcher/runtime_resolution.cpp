#include "launcher/runtime_resolution.h"

#include "dialog/missing_runtime.h"
#include "runtime/installed_runtimes.h"
#include "runtime/library_machine.h"
#include "runtime/vm_library_search.h"
#include "settings/remembered_runtime.h"
#include "support/trace.h"
#include "vmhost/vm_environment.h"

namespace {

// What a runtime's release file says of it, for the runtimes that no
// installer described.
void Describe(ChosenRuntime& runtime) {
  const ReleaseFacts facts = FileSystemProbe().releaseFacts(RuntimeHomeOf(runtime.vmLibraryPath));
  runtime.version.parse(facts.javaVersion, 0);
  runtime.isIbm = facts.isIbm();
}

void TraceLibrary(const std::u16string& vmLibrary) {
  Trace([&] { return u"VM library " + (vmLibrary.empty() ? u"none" : vmLibrary); });
}

// The runtime remembered in "JRE Path": it is taken as it is, whatever its version.
std::optional<ChosenRuntime> UseRememberedRuntime(const LauncherSettings& settings) {
  std::u16string folder = settings.jrePath;
  Trace([&] { return u"source JRE Path" + (folder.empty() ? u": not set" : u" " + folder); });
  if (folder.empty()) return std::nullopt;
  if (folder.back() != kPathSeparator) folder += kPathSeparator;
  ChosenRuntime runtime;
  runtime.vmLibraryPath = FindVmLibrary(folder, settings.serverVmMode).path;
  TraceLibrary(runtime.vmLibraryPath);
  if (runtime.vmLibraryPath.empty()) return std::nullopt;
  runtime.runPairedLauncher = CheckPairedLauncher(settings.pairProduct, runtime.vmLibraryPath);
  Describe(runtime);
  return runtime;
}

// A runtime shipped beside the executable is the product's own and never
// needs the paired launcher.
std::optional<ChosenRuntime> UseBundledRuntime(const LauncherSettings& settings, const std::u16string& executablePath) {
  std::u16string folder = FindBundledRuntime(executablePath);
  Trace([&] { return u"source beside the executable" + (folder.empty() ? u": none" : u" " + folder); });
  if (folder.empty()) return std::nullopt;
  ChosenRuntime runtime;
  runtime.vmLibraryPath = FindVmLibrary(folder, settings.serverVmMode).path;
  TraceLibrary(runtime.vmLibraryPath);
  if (runtime.vmLibraryPath.empty()) return std::nullopt;
  Describe(runtime);
  return runtime;
}

// An installed runtime: this build's registry view first; the other view only
// for a paired launcher, which is then the one to host what it finds.
std::optional<ChosenRuntime> UseInstalledRuntime(const LauncherSettings& settings) {
  ChosenRuntime runtime;
  std::optional<RuntimeCandidate> found = SearchInstalledRuntimes(settings, RuntimeView::Default);
  if (!found && !settings.pairProduct.empty()) {
    found = SearchInstalledRuntimes(settings, RuntimeView::Other);
    runtime.runPairedLauncher = found.has_value();
  }
  if (!found) return std::nullopt;
  runtime.version = found->version;
  runtime.isIbm = found->vendor == RuntimeVendor::Ibm;
  runtime.vmLibraryPath = FindVmLibrary(found->home, settings.serverVmMode).path;
  if (runtime.vmLibraryPath.empty()) return std::nullopt;
  return runtime;
}

// The user's choice is remembered for the next start.
std::optional<ChosenRuntime> AskUser(const LauncherSettings& settings, const std::u16string& executablePath) {
  Trace([] { return std::u16string(u"source the user"); });
  std::u16string folder;
  ChosenRuntime runtime;
  if (!AskUserForRuntime(settings, folder, runtime.vmLibraryPath)) return std::nullopt;
  runtime.runPairedLauncher = CheckPairedLauncher(settings.pairProduct, runtime.vmLibraryPath);
  Describe(runtime);
  RememberRuntimeFolder(executablePath, settings, folder);
  return runtime;
}

}  // namespace

std::optional<ChosenRuntime> ResolveRuntime(const LauncherSettings& settings, const std::u16string& executablePath) {
  if (std::optional<ChosenRuntime> runtime = UseRememberedRuntime(settings)) return runtime;
  if (std::optional<ChosenRuntime> runtime = UseBundledRuntime(settings, executablePath)) return runtime;
  if (std::optional<ChosenRuntime> runtime = UseInstalledRuntime(settings)) return runtime;
  return AskUser(settings, executablePath);
}
