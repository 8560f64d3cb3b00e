// Choosing among installed runtimes: which of the runtimes found become
// candidates, how candidates rank and which one is chosen. Pure: the runtimes
// come in as plain data, and what the choice asks of the files (whether one
// exists, what a runtime's release file says, an image's machine type) goes
// through the probe.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/release_file.h"
#include "runtime/vm_library_search.h"
#include "settings/launcher_settings.h"
#include "support/java_version.h"

enum class RuntimeKind { Jdk, Jre };
enum class RuntimeVendor { Sun, JRockit, Ibm };

// One runtime as a place on the machine names it: a registry key, a
// variable, a folder.
struct FoundRuntime {
  std::u16string place;        // where it was found, for the trace
  std::u16string versionName;  // the key's or folder's name, "1.6.0_20", "zulu-17"
  std::u16string javaHome;     // empty when the entry names no folder
  RuntimeKind kind = RuntimeKind::Jre;
  RuntimeVendor vendor = RuntimeVendor::Sun;  // unless its release file names its VM's maker
  // The old public JRE key's rule: even where a server VM is favoured its
  // runtimes are checked client first, so they never rank as server VMs.
  bool checkedClientFirst = false;
};

struct RuntimeCandidate {
  JavaVersion version;
  std::u16string home;  // ends in the path separator
  std::u16string vmLibrary;
  RuntimeKind kind = RuntimeKind::Jre;
  RuntimeVendor vendor = RuntimeVendor::Sun;
  bool isServerVm = false;
  bool favored = false;
};

// What the choice asks of the file system.
struct RuntimeProbe {
  PathProbe exists;
  std::function<ReleaseFacts(const std::u16string& home)> releaseFacts;  // empty facts for no release file
  std::function<std::optional<std::uint16_t>(const std::u16string& image)> machineType;  // nothing when unknown
};

// The probe on the real file system.
RuntimeProbe FileSystemProbe();

// Whether the settings search runtimes of this kind and vendor ("JVM Source",
// "VM Provider"), and whether they favour them.
bool IsSearched(RuntimeKind kind, RuntimeVendor vendor, const LauncherSettings& settings);
bool IsFavored(RuntimeKind kind, RuntimeVendor vendor, const LauncherSettings& settings);

// The runtimes found that become candidates, in the order given: of a kind
// and vendor the settings search, within the version range, holding a VM
// library for the settings' VM type that an image of another machine than
// the given one is not, and not reached before by another way. A runtime's
// release file, where it has one, gives its version and its VM's maker. A
// JDK's runtime is its "jre" folder when that holds a VM library, else the
// JDK's own folder. Each runtime's fate goes to the trace.
std::vector<RuntimeCandidate> CollectCandidates(const std::vector<FoundRuntime>& found,
                                                const LauncherSettings& settings, const RuntimeProbe& probe,
                                                std::uint16_t machine, PathStyle style = kNativePathStyle);

// Higher versions first; with FavorServer server VMs before the others; with
// favorKind favoured candidates before the others. Stable: candidates equal in
// all of these keep their order.
void RankCandidates(std::vector<RuntimeCandidate>& candidates, const LauncherSettings& settings);

// The first ranked candidate that the first matching preferred version picks,
// else the first ranked candidate; null when there are none.
const RuntimeCandidate* SelectCandidate(const std::vector<RuntimeCandidate>& ranked,
                                        const std::vector<std::u16string>& preferredVersions);
