#include "vmhost/vm_plan.h"

#include <algorithm>
#include <optional>

#include "support/files.h"
#include "support/trace.h"
#include "vmhost/vm_environment.h"
#include "vmhost/vm_parameters.h"

namespace {

// The variables as the plan leaves them: its own over the inherited ones,
// names compared as the platform compares them.
class PlannedEnvironment {
 public:
  PlannedEnvironment(std::vector<EnvironmentVariable>& planned, const VariableLookup& inherited, PathStyle style)
      : planned_(planned), inherited_(inherited), style_(style) {}

  void set(std::u16string_view name, std::u16string value) {
    planned_.push_back({std::u16string(name), std::move(value)});
  }

  std::u16string expand(std::u16string_view text) const {
    return ExpandReferences(text, [this](std::u16string_view name) -> std::optional<std::u16string> {
      for (auto planned = planned_.rbegin(); planned != planned_.rend(); ++planned)
        if (sameName(planned->name, name)) return planned->value;
      return inherited_(name);
    });
  }

 private:
  bool sameName(std::u16string_view a, std::u16string_view b) const {
    return style_ == PathStyle::Windows ? EqualsIgnoringCase(a, b) : a == b;
  }

  std::vector<EnvironmentVariable>& planned_;
  const VariableLookup& inherited_;
  PathStyle style_;
};

// The options of "Virtual Machine Parameters", in the order written. The
// stack size comes from the last "-Xss" token as written, after any memory
// rewriting; references in it are expanded only in the option itself.
void AppendVmParameters(std::u16string_view value, const MachineFacts& machine, const PlannedEnvironment& environment,
                        VmPlan& plan) {
  std::optional<MemoryStatus> memory;
  for (const std::u16string& written : SplitVmParameters(value)) {
    std::u16string token = StripQuotes(written);
    if (IsRelativeMemoryOption(token)) {
      if (!memory) memory = machine.memory();
      token = ExpandMemoryOption(token, *memory);
    }
    if (token.substr(0, 4) == u"-Xss") plan.mainThreadStackSize = ParseStackSize(std::u16string_view(token).substr(4));
    plan.options.push_back(environment.expand(token));
  }
}

// The command line's arguments, a service's start arguments, then the
// non-empty pieces of "Cmd".
TokenList ArgumentsOfMain(const Invocation& invocation, const TokenList& startArguments, const std::u16string& cmd) {
  TokenList arguments = invocation.arguments;
  arguments.insert(arguments.end(), startArguments.begin(), startArguments.end());
  TokenList pieces;
  SplitCommandLine(cmd, pieces);
  for (std::u16string& piece : pieces)
    if (!piece.empty()) arguments.push_back(std::move(piece));
  return arguments;
}

}  // namespace

MachineFacts ThisMachine() {
  return {[](std::u16string_view name) { return GetEnvironmentValue(std::u16string(name)); },
          QueryMemoryStatus,
          FindMatchingNames,
          {VmTextCarries, ShortPathName},
          QueryFileFacts,
          ToDecimal(ProcessIdentifier()) + u"-" + ToDecimal(FileClockNow())};
}

VmPlan PlanVm(const LauncherSettings& settings, const HostedRuntime& runtime, const Invocation& invocation,
              const TokenList& startArguments, const MachineFacts& machine, PathStyle style) {
  const std::u16string& vmLibraryPath = runtime.vmLibraryPath;
  VmPlan plan;
  plan.mainClass = settings.mainClass;
  plan.staysAttached = settings.admitsIbm();
  PlannedEnvironment environment(plan.environment, machine.environment, style);
  environment.set(u"ZQ_JVM_PATH", vmLibraryPath);
  environment.set(u"ZQ_JVM_HOME", RuntimeHomeOf(vmLibraryPath, style));

  // A POSIX service's SIGTERM and SIGINT are the launcher's: the VM must
  // neither handle them nor touch their masks.
  if (settings.isService && style == PathStyle::Posix) plan.options.push_back(u"-Xrs");
  // Expanded before the search path changes: "%Path%" is the inherited one.
  if (!settings.libraryPath.empty()) {
    plan.options.push_back(
        u"-Djava.library.path=" +
        environment.expand(ComposeLibraryPath(settings.libraryPath, invocation.executablePath, vmLibraryPath, style)));
  }
  environment.set(PathVariable(style),
                  environment.expand(ComposeSearchPath(settings.systemPath, vmLibraryPath, style)));

  const std::u16string classPath = WithoutEmptyElements(
      environment.expand(BuildClassPath(SplitText(settings.classPath, u";"), invocation.executablePath,
                                        settings.embeddedJar, machine.findMatches, style)),
      style);
  plan.hasClassPath = !classPath.empty();
  if (!plan.hasClassPath) return plan;
  plan.options.push_back(u"-Djava.class.path=" + classPath);
  const size_t classDataPosition = plan.options.size();
  AppendVmParameters(settings.vmParameters, machine, environment, plan);
  CarriedOptions carried = CarryOptionPaths(plan.options, machine.narrowText, style);
  plan.options = std::move(carried.options);
  plan.uncarriedPath = std::move(carried.uncarriedPath);
  plan.classData =
      PlanClassData(settings,
                    {invocation.executablePath, vmLibraryPath, runtime.version, runtime.isIbm,
                     SplitText(classPath, std::u16string(1, ListSeparator(style))), plan.options, machine.environment,
                     machine.fileFacts, machine.narrowText.carries, machine.uniqueTag},
                    style);
  plan.options.insert(plan.options.begin() + static_cast<std::ptrdiff_t>(classDataPosition),
                      plan.classData.options.begin(), plan.classData.options.end());

  plan.outputFile = environment.expand(settings.outputFile);
  plan.errorFile = environment.expand(settings.errorFile);
  plan.arguments = ArgumentsOfMain(invocation, startArguments, environment.expand(settings.extraArguments));
  return plan;
}

VmPlan WithoutClassData(VmPlan plan) {
  for (const std::u16string& option : plan.classData.options) {
    auto found = std::find(plan.options.begin(), plan.options.end(), option);
    if (found != plan.options.end()) plan.options.erase(found);
  }
  plan.classData = ClassDataPlan();
  return plan;
}

void PrepareVmEnvironment(const VmPlan& plan) {
  for (const EnvironmentVariable& variable : plan.environment) SetEnvironmentValue(variable.name, variable.value);
}

void TraceVmPlan(const VmPlan& plan) {
  if (!TraceIsOn()) return;
  for (const EnvironmentVariable& variable : plan.environment)
    WriteTraceLine(u"environment " + variable.name + u"=" + variable.value);
  if (!plan.classData.why.empty()) WriteTraceLine(u"class data: " + plan.classData.why);
  for (const std::u16string& option : plan.options) WriteTraceLine(u"VM option " + option);
  WriteTraceLine(u"main class " + plan.mainClass);
  for (const std::u16string& argument : plan.arguments) WriteTraceLine(u"argument " + argument);
}
