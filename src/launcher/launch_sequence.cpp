#include "launcher/launch_sequence.h"

#include "launcher/launcher.h"
#include "service/service.h"
#include "settings/settings_loading.h"
#include "support/messages.h"
#include "support/paths.h"
#include "support/standard_streams.h"
#include "support/trace.h"
#include "vmhost/java_main_thread.h"

namespace {

// From here on a message box names the product, and a service shows none.
void AddressErrorsTo(const LauncherSettings& settings) {
  if (!settings.productName.empty()) SetErrorCaption(settings.productName);
  WithholdErrorBoxes(settings.isService);
}

void ApplyWorkingDirectory(const std::u16string& executablePath) {
  if (std::optional<std::u16string> folder = WorkingDirectoryFor(executablePath)) SetCurrentFolder(*folder);
}

// The paired-launcher road: the chosen runtime needs the other launcher
// executable, started with its own path as its only command line. With "Pair
// Return Code" on its exit code is the launch's. One that cannot be started
// gives -1 either way: the application did not run.
int StartPairedLauncher(const LauncherSettings& settings) {
  const ProgramRun run = StartProgram(settings.pairProduct, settings.pairReturnCode);
  if (!run.started) {
    ReportError(message::kPairedLauncherNotStarted, {settings.pairProduct, run.error});
    return -1;
  }
  return run.exitCode;
}

// The in-process road. The library is loaded before the plan's faults are
// reported, so that a library that cannot be loaded is reported first; then
// an empty class path, then a path the VM could not be given.
int HostVm(Launcher& launcher, const TokenList& startArguments) {
  VmPlan plan = PlanVm(launcher.settings, launcher.runtime, launcher.invocation, startArguments, ThisMachine());
  TraceVmPlan(plan);
  PrepareVmEnvironment(plan);
  std::optional<VmFunctions> functions = LoadVmLibrary(launcher.runtime.vmLibraryPath);
  TracePhase(u"library load");
  if (!functions) return -1;
  if (!plan.hasClassPath) {
    ReportError(message::kNoClassPath);
    return -1;
  }
  if (plan.uncarriedPath) {
    ReportError(message::kPathNotInCodePage, {*plan.uncarriedPath});
    return -1;
  }
  if (!launcher.classData.prepare(plan.classData)) plan = WithoutClassData(std::move(plan));
  return RunApplication(plan, *functions, launcher.vm, launcher.application.ready) == 0 ? 0 : -1;
}

// The run stage: the paired launcher or the VM hosted in this process. A
// service runs it from its service main function, with its start arguments.
int Run(Launcher& launcher, const TokenList& startArguments) {
  const int result =
      launcher.runtime.runPairedLauncher ? StartPairedLauncher(launcher.settings) : HostVm(launcher, startArguments);
  // main has run or never will: threads still waiting for it give up.
  launcher.application.ready.abandon();
  return result;
}

}  // namespace

int Launch() {
  const std::u16string streams = ConnectStandardStreams();
  StartTrace();
  Trace([] { return std::u16string(u"launcher " LAUNCHER_VERSION); });
  if (!streams.empty()) Trace([&] { return streams; });
  Launcher launcher;  // its destruction is the teardown (launcher.h)
  ServiceController service;
  UseSystemDefaultLocale();

  std::optional<Invocation> invocation = ReadInvocation();
  if (!invocation) return -1;
  launcher.invocation = std::move(*invocation);
  Trace([&] { return u"executable " + launcher.invocation.executablePath; });
  SetErrorCaption(std::u16string(FileStemOf(launcher.invocation.executablePath)));

  std::optional<LauncherSettings> settings = LoadSettings(launcher.invocation.executablePath);
  TracePhase(u"settings");
  if (!settings) return -1;
  launcher.settings = std::move(*settings);
  AddressErrorsTo(launcher.settings);
  if (launcher.settings.mainClass.empty()) {
    ReportError(message::kNoMainClass);
    return -1;
  }
  launcher.application.mainClass = launcher.settings.mainClass;
  launcher.application.staysAttached = launcher.settings.admitsIbm();

  launcher.instance = SetUpSingleInstance(launcher.settings, launcher.invocation, launcher.application);
  if (launcher.instance.handOverFailed()) return -1;
  if (launcher.instance.isLaterStart()) return WaitForReply(launcher.instance);

  if (launcher.settings.overrideWorkingDir) ApplyWorkingDirectory(launcher.invocation.executablePath);
  std::optional<ChosenRuntime> runtime = ResolveRuntime(launcher.settings, launcher.invocation.executablePath);
  TracePhase(u"search");
  if (!runtime) return -1;
  launcher.runtime = std::move(*runtime);

  if (!launcher.settings.isService) return Run(launcher, {});
  PrepareService(service, launcher.invocation.executablePath, launcher.application,
                 [&launcher](const TokenList& startArguments) { return Run(launcher, startArguments); });
  return StartServiceDispatcher(service);
}
