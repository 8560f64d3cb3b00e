#include <dlfcn.h>
#include <errno.h>

#include "support/dynamic_library.h"
#include "support/elf_image_posix.h"
#include "support/files.h"
#include "support/text.h"

// dlopen reports through dlerror() text, not a number; errno is the closest
// code there is (ENOENT for a missing file, ENOEXEC-like values otherwise).
void* LoadDynamicLibrary(const std::u16string& path, int& error) {
  {
    const MappedFile image(path);
    if (!ElfImageIsWhole(image.view(), image.size())) {
      error = ENOEXEC;
      return nullptr;
    }
  }
  errno = 0;
  void* library = dlopen(ToUtf8(path).c_str(), RTLD_NOW | RTLD_GLOBAL);
  error = library ? 0 : (errno ? errno : ENOEXEC);
  return library;
}

void* FindLibraryExport(void* library, const char* name, int& error) {
  dlerror();
  void* address = dlsym(library, name);
  error = address ? 0 : ENOENT;
  return address;
}
