// The installed runtimes on Linux, in place of a registry: the one JAVA_HOME
// names, the folders of the places where distributions and installers put
// runtimes, and the runtime of the first java on PATH. Each runtime counts
// once, however many ways lead to it.
#include <dirent.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <set>

#include "runtime/installed_runtimes.h"
#include "support/files.h"
#include "support/handles_posix.h"
#include "support/os.h"
#include "support/text.h"
#include "support/trace.h"

namespace {

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

std::optional<std::string> Variable(const char16_t* name) {
  std::optional<std::u16string> value = GetEnvironmentValue(name);
  if (!value || value->empty()) return std::nullopt;
  return ToUtf8(*value);
}

// The folders whose subfolders are runtimes: distributions' packages, RPMs,
// container images and SDKMAN!.
std::vector<std::string> RuntimeFolders() {
  std::vector<std::string> folders = {"/usr/lib/jvm", "/usr/lib64/jvm", "/usr/java", "/opt/java"};
  if (std::optional<std::string> home = Variable(u"HOME")) folders.push_back(*home + "/.sdkman/candidates/java");
  return folders;
}

// The folder above the bin folder of the first java on PATH, links resolved.
std::optional<std::string> RuntimeOfPathJava() {
  const std::optional<std::string> path = Variable(u"PATH");
  if (!path) return std::nullopt;
  for (const std::u16string& folder : SplitText(FromUtf8(*path), u":")) {
    const std::string java = ResolvedPath(ToUtf8(folder) + "/java");
    if (java.empty()) continue;
    const size_t bin = java.rfind("/bin/java");
    if (bin == std::string::npos || bin + 9 != java.size()) continue;
    return java.substr(0, bin);
  }
  return std::nullopt;
}

class RuntimeList {
 public:
  void add(const std::u16string& place, const std::string& folder, const std::string& name) {
    const std::string home = ResolvedPath(folder);
    if (home.empty() || !seen_.insert(home).second) return;
    const RuntimeKind kind = PathExists(FromUtf8(home + "/bin/javac")) ? RuntimeKind::Jdk : RuntimeKind::Jre;
    found_.push_back({place, FromUtf8(name), FromUtf8(home), kind, RuntimeVendor::Sun});
  }
  std::vector<FoundRuntime> take() { return std::move(found_); }

 private:
  std::set<std::string> seen_;
  std::vector<FoundRuntime> found_;
};

}  // namespace

std::vector<FoundRuntime> FindInstalledRuntimes(RuntimeView view) {
  RuntimeList list;
  if (view != RuntimeView::Default) return list.take();  // one view only
  const std::optional<std::string> javaHome = Variable(u"JAVA_HOME");
  Trace([&] { return u"source JAVA_HOME" + (javaHome ? u" " + FromUtf8(*javaHome) : u": not set"); });
  if (javaHome) list.add(u"JAVA_HOME", *javaHome, ToUtf8(FileNameOf(FromUtf8(*javaHome))));
  for (const std::string& folder : RuntimeFolders()) {
    Trace([&] { return u"source " + FromUtf8(folder); });
    for (const std::string& name : SortedFolderEntries(folder))
      list.add(FromUtf8(folder + "/" + name), folder + "/" + name, name);
  }
  const std::optional<std::string> pathJava = RuntimeOfPathJava();
  Trace([&] { return u"source PATH" + (pathJava ? u": " + FromUtf8(*pathJava) : u": no java"); });
  if (pathJava) list.add(u"PATH", *pathJava, ToUtf8(FileNameOf(FromUtf8(*pathJava))));
  return list.take();
}
