#include "runtime/vm_library_locations.h"

#include "support/files.h"
#include "support/paths.h"

namespace {

struct Location {
  const char16_t* folder;  // below "bin"
  bool isServerVm;
};

constexpr Location kServer{u"server", true};
constexpr Location kInOrder[] = {{u"client", false}, {u"classic", false}, {u"hotspot", false}, kServer,
                                 {u"jrockit", false}};

std::u16string LibraryPath(const std::u16string& home, const Location& location) {
#ifdef _WIN32
  const std::u16string kLibrary = u"jvm.dll";
#else
  const std::u16string kLibrary = u"libjvm.so";
#endif
  return home + u"bin" + kPathSeparator + location.folder + kPathSeparator + kLibrary;
}

}  // namespace

FoundVmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode) {
  if (mode != ServerVmMode::Any) {
    std::u16string server = LibraryPath(home, kServer);
    if (PathExists(server)) return {server, true};
    if (mode == ServerVmMode::ServerOnly) return {};
  }
  for (const Location& location : kInOrder) {
    std::u16string path = LibraryPath(home, location);
    if (PathExists(path)) return {path, location.isServerVm};
  }
  return {};
}
