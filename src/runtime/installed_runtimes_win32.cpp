// The installed runtimes on Windows: the registry keys of the runtime sources
// below HKEY_LOCAL_MACHINE, then below HKEY_CURRENT_USER, in the view asked
// for; then the runtime that JAVA_HOME names and the runtime of the first
// java.exe on Path, as zip installs leave nothing else behind.
#include "runtime/installed_runtimes.h"
#include "runtime/registry_sources.h"
#include "support/files.h"
#include "support/os.h"
#include "support/registry_win32.h"
#include "support/trace.h"

namespace {

RegistryView ViewOf(RuntimeView view) {
  if (view == RuntimeView::Default) return RegistryView::Default;
  return sizeof(void*) == 4 ? RegistryView::Bits64 : RegistryView::Bits32;
}

struct RegistryRoot {
  HKEY key;
  const char16_t* name;
};

const RegistryRoot kRoots[] = {{HKEY_LOCAL_MACHINE, u"HKLM\\"}, {HKEY_CURRENT_USER, u"HKCU\\"}};

// Reads one source below one root.
class SourceReader {
 public:
  SourceReader(const RegistrySource& source, const RegistryRoot& root, RegistryView view,
               std::vector<FoundRuntime>& found)
      : source_(source), root_(root), view_(view), found_(found) {}

  void read() const {
    UniqueRegistryKey key = open(source_.key);
    Trace([&] { return u"source " + place(source_.key) + (key ? u"" : u": not there"); });
    if (!key) return;
    for (const std::u16string& name : EnumerateSubkeyNames(key.get())) {
      const std::u16string subkey = source_.key + name;
      if (source_.layout == SubkeyLayout::VersionVmMsi)
        readVms(name, subkey);
      else if (source_.layout == SubkeyLayout::KindInName)
        add(name, subkey, KindOfName(name, source_.kind), source_.vendor);
      else
        add(name, subkey, source_.kind, source_.vendor);
    }
  }

 private:
  // <version>\<VM>\MSI, one runtime for each VM the version has.
  void readVms(const std::u16string& version, const std::u16string& subkey) const {
    UniqueRegistryKey key = open(subkey);
    if (!key) return;
    for (const std::u16string& vm : EnumerateSubkeyNames(key.get()))
      add(version, subkey + u"\\" + vm + u"\\MSI", source_.kind, VendorOfVm(vm, source_.vendor));
  }

  void add(const std::u16string& versionName, const std::u16string& subkey, RuntimeKind kind,
           RuntimeVendor vendor) const {
    UniqueRegistryKey key = open(subkey);
    std::optional<std::u16string> home;
    if (key) home = ReadRegistryString(key.get(), source_.homeValue);
    found_.push_back({place(subkey), versionName, home.value_or(u""), kind, vendor, source_.checkedClientFirst});
  }

  UniqueRegistryKey open(const std::u16string& subkey) const { return OpenRegistryKey(root_.key, subkey, view_); }
  std::u16string place(const std::u16string& subkey) const { return root_.name + subkey; }

  const RegistrySource& source_;
  const RegistryRoot& root_;
  RegistryView view_;
  std::vector<FoundRuntime>& found_;
};

RuntimeKind KindOfFolder(const std::u16string& bin) {
  return PathExists(bin + u"\\javac.exe") ? RuntimeKind::Jdk : RuntimeKind::Jre;
}

FoundRuntime FolderRuntime(const std::u16string& place, const std::u16string& home) {
  std::u16string folder = home;
  while (!folder.empty() && folder.back() == u'\\') folder.pop_back();
  return {place, std::u16string(FileNameOf(folder)), home, KindOfFolder(folder + u"\\bin"), RuntimeVendor::Sun};
}

void AddJavaHome(std::vector<FoundRuntime>& found) {
  const std::optional<std::u16string> home = GetEnvironmentValue(u"JAVA_HOME");
  Trace([&] { return u"source JAVA_HOME" + (home ? u" " + *home : u": not set"); });
  if (home && !home->empty()) found.push_back(FolderRuntime(u"JAVA_HOME", *home));
}

// The first java.exe on Path whose folder holds a runtime: Oracle's javapath
// folder holds only stubs that start the runtime registered elsewhere.
void AddPathJava(std::vector<FoundRuntime>& found) {
  Trace([] { return std::u16string(u"source Path"); });
  for (std::u16string folder : SplitText(GetEnvironmentValue(u"Path").value_or(u""), u";")) {
    if (folder.size() >= 2 && folder.front() == u'"' && folder.back() == u'"')
      folder = folder.substr(1, folder.size() - 2);
    while (!folder.empty() && folder.back() == u'\\') folder.pop_back();
    if (folder.empty() || !PathExists(folder + u"\\java.exe")) continue;
    if (!PathExists(folder + u"\\java.dll")) {
      Trace([&] { return u"java.exe in " + folder + u" skipped: its folder holds no runtime"; });
      continue;
    }
    found.push_back(FolderRuntime(u"Path", std::u16string(CutLastComponent(folder))));
    return;
  }
}

}  // namespace

std::vector<FoundRuntime> FindInstalledRuntimes(RuntimeView view) {
  std::vector<FoundRuntime> found;
  for (size_t k = 0; k < kRegistrySourceCount; ++k)
    for (const RegistryRoot& root : kRoots) SourceReader(kRegistrySources[k], root, ViewOf(view), found).read();
  AddJavaHome(found);
  AddPathJava(found);
  return found;
}
