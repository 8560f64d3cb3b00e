// Everything the VM is given besides its library, worked out before anything
// changes: the variables its environment gets, the complete option list, the
// Java main thread's stack size and the arguments of main. Pure: what it asks
// of the machine comes in as MachineFacts, so the whole plan is tested as a
// table, on both platforms' rules.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/launcher_settings.h"
#include "support/environment_expansion.h"
#include "support/files.h"
#include "support/java_version.h"
#include "support/os.h"
#include "support/paths.h"
#include "vmhost/class_data.h"
#include "vmhost/class_path.h"
#include "vmhost/vm_option_paths.h"

struct MachineFacts {
  VariableLookup environment;            // the variables as this process inherited them
  std::function<MemoryStatus()> memory;  // asked only when an option is relative to it
  MatchFinder findMatches;               // the directory search for class-path entries
  NarrowTextFacts narrowText;            // what the options' narrow form can carry
  std::function<std::optional<FileFacts>(const std::u16string&)> fileFacts;
  std::u16string uniqueTag;  // no other start's
};

// What the plan needs to know of the runtime it hosts.
struct HostedRuntime {
  std::u16string vmLibraryPath;
  JavaVersion version;  // count 0 when unknown
  bool isIbm = false;   // an OpenJ9 or IBM J9 VM
};

// The machine as this process sees it.
MachineFacts ThisMachine();

struct EnvironmentVariable {
  std::u16string name;
  std::u16string value;
};

struct VmPlan {
  // Set before the VM library is loaded: the runtime published in ZQ_JVM_PATH
  // and ZQ_JVM_HOME, and the new search path.
  std::vector<EnvironmentVariable> environment;
  // An empty class path is message 209, and no VM is created.
  bool hasClassPath = false;
  TokenList options;  // in order, environment references expanded
  // A path in the options that the VM's narrow text cannot carry: message
  // 233, and no VM is created.
  std::optional<std::u16string> uncarriedPath;
  std::uint32_t mainThreadStackSize = 0;  // from the last -Xss option; 0 for the VM's default
  TokenList arguments;                    // handed to main
  std::u16string outputFile;              // expanded; empty: System.out stays
  std::u16string errorFile;
  std::u16string mainClass;    // slash form
  bool staysAttached = false;  // IBM VMs admitted: the Java main thread never detaches
  // The class-data archive; its options stand among the others, right after the class path.
  ClassDataPlan classData;
};

// The plan for hosting the runtime, for the executable's invocation (with a
// service's start arguments after its own). The options, in order: -Xrs for
// a POSIX service (its stop signals are the launcher's), the library path when
// "Library Path" is set, the class path (references expanded, no empty
// element left), the class-data archive's, then "Virtual Machine Parameters"
// as written, quotes removed and memory sizes computed. References to
// variables see the runtime published; the library path sees the inherited
// search path, everything after it the new one. Paths the VM's narrow text
// cannot carry go by their short names (CarryOptionPaths).
VmPlan PlanVm(const LauncherSettings& settings, const HostedRuntime& runtime, const Invocation& invocation,
              const TokenList& startArguments, const MachineFacts& machine, PathStyle style = kNativePathStyle);

// The same plan without its class-data archive.
VmPlan WithoutClassData(VmPlan plan);

// Sets the plan's variables for this process and the processes it starts;
// the VM library then finds what it depends on through the new search path.
void PrepareVmEnvironment(const VmPlan& plan);

// The plan's options, main class and arguments, one a line, in the trace.
void TraceVmPlan(const VmPlan& plan);
