#include "launcher/launch_sequence.h"

#include "launcher/launcher.h"
#include "launcher/paired_launcher.h"
#include "launcher/process.h"
#include "launcher/service.h"
#include "launcher/single_instance.h"
#include "runtime/runtime_resolution.h"
#include "vmhost/java_main_thread.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_options.h"

namespace {

int HostVm(Launcher& launcher) {
  PrepareVmEnvironment(launcher);
  if (!LoadVmLibrary(launcher) || !AssembleVmOptions(launcher)) return -1;
  return RunApplication(launcher) == 0 ? 0 : -1;
}

int Start(Launcher& launcher) {
  if (!ResolveRuntime(launcher)) return -1;
  if (!launcher.settings.isService) return Run(launcher);
  if (!PrepareService(launcher)) return -1;
  return StartServiceDispatcher(launcher);
}

}  // namespace

int Run(Launcher& launcher) {
  if (launcher.runPairedLauncher) return StartPairedLauncher(launcher.settings);
  if (IsSecondInstance(launcher)) return WaitForReply(launcher);
  return HostVm(launcher);
}

int Launch() {
  Launcher launcher;
  UseSystemDefaultLocale();
  int exitCode = Start(launcher);
  // The VM first: other instances are still served while its last threads run.
  DestroyVm(launcher);
  TearDownSingleInstance(launcher);
  return exitCode;
}
