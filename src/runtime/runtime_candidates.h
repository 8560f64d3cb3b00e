// Choosing among installed runtimes: which sources are searched, which entries
// become candidates, how candidates rank and which one is chosen. Pure: the
// entries come in as plain data, and the only outside question, whether a
// file exists, goes through the probe.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/vm_library_search.h"
#include "settings/launcher_settings.h"
#include "support/java_version.h"

enum class RuntimeKind { Jdk, Jre };
enum class RuntimeVendor { Sun, JRockit, Ibm };

// One place where runtimes of one kind and vendor are registered.
struct RuntimeSource {
  const char16_t* key;  // below HKEY_LOCAL_MACHINE, ending in a backslash
  RuntimeKind kind;
  RuntimeVendor vendor;
};

// The sources in the order they are searched.
extern const RuntimeSource kRuntimeSources[5];

bool IsSourceSearched(const RuntimeSource& source, const LauncherSettings& settings);
bool IsSourceFavored(const RuntimeSource& source, const LauncherSettings& settings);

// One runtime as its source lists it.
struct RegisteredRuntime {
  std::u16string versionName;  // e.g. the registry key's name, "1.6.0_20"
  std::u16string javaHome;     // empty when the entry names no folder
};

struct RuntimeCandidate {
  JavaVersion version;
  std::u16string home;  // ends in the path separator
  bool isServerVm = false;
  bool favored = false;
};

// Appends the entries of one source that fit the settings' version range and
// hold a VM library for the settings' VM type, in the order given.
void CollectCandidates(const RuntimeSource& source, const std::vector<RegisteredRuntime>& entries,
                       const LauncherSettings& settings, const PathProbe& exists,
                       std::vector<RuntimeCandidate>& candidates, PathStyle style = kNativePathStyle);

// Higher versions first; with FavorServer server VMs before the others; with
// favorKind favoured candidates before the others. Stable: candidates equal in
// all of these keep their order.
void RankCandidates(std::vector<RuntimeCandidate>& candidates, const LauncherSettings& settings);

// The first ranked candidate that the first matching preferred version picks,
// else the first ranked candidate; null when there are none.
const RuntimeCandidate* SelectCandidate(const std::vector<RuntimeCandidate>& ranked,
                                        const std::vector<std::u16string>& preferredVersions);
