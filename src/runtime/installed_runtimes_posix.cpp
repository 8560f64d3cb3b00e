// The counterpart of the registry on Linux: $JAVA_HOME, then every folder of
// /usr/lib/jvm, each runtime once however many links lead to it.
#include <dirent.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <set>

#include "runtime/installed_runtimes.h"
#include "runtime/release_file.h"
#include "support/files.h"
#include "support/handles_posix.h"
#include "support/os.h"
#include "support/text.h"

namespace {

struct InstalledRuntime {
  RegisteredRuntime entry;
  RuntimeKind kind;
  RuntimeVendor vendor;
};

std::string ResolvedPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? resolved : std::string();
}

std::vector<std::string> SortedFolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  if (UniqueDirectory directory{opendir(folder.c_str())}) {
    while (dirent* entry = readdir(directory.get()))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
  }
  std::sort(names.begin(), names.end());  // readdir's order is arbitrary; keep runs repeatable
  return names;
}

InstalledRuntime Describe(const std::string& home, const std::string& folderName) {
  ReleaseFacts facts = ReadReleaseFacts(FromUtf8(ReadFileBytes(FromUtf8(home + "/release"))));
  InstalledRuntime runtime;
  runtime.entry.versionName = facts.javaVersion.empty() ? FromUtf8(folderName) : facts.javaVersion;
  runtime.entry.javaHome = FromUtf8(home);
  runtime.kind = PathExists(FromUtf8(home + "/bin/javac")) ? RuntimeKind::Jdk : RuntimeKind::Jre;
  runtime.vendor = facts.isIbm() ? RuntimeVendor::Ibm : RuntimeVendor::Sun;
  return runtime;
}

const std::vector<InstalledRuntime>& InstalledRuntimes() {
  // Listed once per process: the search asks once for each source.
  static const std::vector<InstalledRuntime> runtimes = [] {
    std::vector<InstalledRuntime> found;
    std::set<std::string> seen;
    auto add = [&](const std::string& folder, const std::string& name) {
      std::string home = ResolvedPath(folder);
      if (!home.empty() && seen.insert(home).second) found.push_back(Describe(home, name));
    };
    std::optional<std::u16string> javaHome = GetEnvironmentValue(u"JAVA_HOME");
    if (javaHome && !javaHome->empty()) add(ToUtf8(*javaHome), ToUtf8(FileNameOf(*javaHome)));
    for (const std::string& name : SortedFolderEntries("/usr/lib/jvm")) add("/usr/lib/jvm/" + name, name);
    return found;
  }();
  return runtimes;
}

}  // namespace

std::vector<RegisteredRuntime> RegisteredRuntimes(const RuntimeSource& source, RuntimeView view) {
  std::vector<RegisteredRuntime> entries;
  if (view != RuntimeView::Default) return entries;  // one view only
  for (const InstalledRuntime& runtime : InstalledRuntimes())
    if (runtime.kind == source.kind && runtime.vendor == source.vendor) entries.push_back(runtime.entry);
  return entries;
}
