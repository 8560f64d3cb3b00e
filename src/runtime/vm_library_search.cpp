#include "runtime/vm_library_search.h"

#include "support/files.h"

namespace {

struct VmLibraryLocation {
  const char16_t* relativePath;
  bool isServerVm;
};

constexpr VmLibraryLocation kWindowsLocations[] = {
    {u"bin\\client\\jvm.dll", false}, {u"bin\\classic\\jvm.dll", false}, {u"bin\\hotspot\\jvm.dll", false},
    {u"bin\\server\\jvm.dll", true},  {u"bin\\jrockit\\jvm.dll", false},
};
// Current runtimes first, then the older layout with the architecture folder.
constexpr VmLibraryLocation kPosixLocations[] = {
    {u"lib/client/libjvm.so", false},
    {u"lib/server/libjvm.so", true},
    {u"lib/amd64/client/libjvm.so", false},
    {u"lib/amd64/server/libjvm.so", true},
};

// The files that make a folder a runtime.
constexpr const char16_t* kWindowsMarkers[] = {u"bin\\java.dll"};
constexpr const char16_t* kPosixMarkers[] = {u"lib/libjava.so", u"lib/amd64/libjava.so"};

template <typename Row>
struct Table {
  const Row* first;
  const Row* last;
  const Row* begin() const { return first; }
  const Row* end() const { return last; }
};

template <typename Row, size_t N>
constexpr Table<Row> TableOf(const Row (&rows)[N]) {
  return {rows, rows + N};
}

Table<VmLibraryLocation> VmLibraryLocations(PathStyle style) {
  return style == PathStyle::Windows ? TableOf(kWindowsLocations) : TableOf(kPosixLocations);
}

Table<const char16_t*> RuntimeMarkers(PathStyle style) {
  return style == PathStyle::Windows ? TableOf(kWindowsMarkers) : TableOf(kPosixMarkers);
}

bool HoldsRuntime(const std::u16string& folder, const PathProbe& exists, PathStyle style) {
  for (const char16_t* marker : RuntimeMarkers(style))
    if (exists(folder + marker)) return true;
  return false;
}

}  // namespace

VmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode, const PathProbe& exists, PathStyle style) {
  if (mode != ServerVmMode::Any) {
    for (const VmLibraryLocation& location : VmLibraryLocations(style)) {
      std::u16string path = home + location.relativePath;
      if (location.isServerVm && exists(path)) return {path, true};
    }
    if (mode == ServerVmMode::ServerOnly) return {};
  }
  for (const VmLibraryLocation& location : VmLibraryLocations(style)) {
    std::u16string path = home + location.relativePath;
    if (exists(path)) return {path, location.isServerVm};
  }
  return {};
}

VmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode) { return FindVmLibrary(home, mode, PathExists); }

std::u16string BundledRuntimeFolder(std::u16string_view executablePath, const PathProbe& exists, PathStyle style) {
  const char16_t separator = Separator(style);
  size_t last = executablePath.rfind(separator);
  std::u16string folder(executablePath.substr(0, last == std::u16string_view::npos ? 0 : last + 1));
  if (HoldsRuntime(folder, exists, style)) return folder;
  // jre: the layout of Java 8 and older; runtime: of jlink and jpackage images.
  for (const char16_t* name : {u"jre", u"runtime"}) {
    std::u16string below = folder + name + separator;
    if (HoldsRuntime(below, exists, style)) return below;
  }
  return std::u16string();
}

std::u16string FindBundledRuntime(std::u16string_view executablePath) {
  return BundledRuntimeFolder(executablePath, PathExists);
}
