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

int TakeRoad(Launcher& launcher) {
  if (launcher.runPairedLauncher) return StartPairedLauncher(launcher.settings);
  if (IsSecondInstance(launcher)) return WaitForReply(launcher);
  return HostVm(launcher);
}

int Start(Launcher& launcher, ServiceController& service) {
  if (!ResolveRuntime(launcher)) return -1;
  if (!launcher.settings.isService) return Run(launcher);
  if (!PrepareService(service, launcher)) return -1;
  return StartServiceDispatcher(service);
}

}  // namespace

int Run(Launcher& launcher) {
  const int result = TakeRoad(launcher);
  // main has run or never will: threads still waiting for it give up.
  launcher.readyEvent.abandon();
  return result;
}

int Launch() {
  Launcher launcher;
  ServiceController service;
  UseSystemDefaultLocale();
  int exitCode = Start(launcher, service);
  // The VM first: other instances are still served while its last threads run.
  DestroyVm(launcher);
  TearDownSingleInstance(launcher);
  return exitCode;
}
