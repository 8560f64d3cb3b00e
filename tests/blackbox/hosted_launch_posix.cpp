#include "hosted_launch.h"

std::string PathSeparator() { return "/"; }
std::string ListSeparator() { return ":"; }
std::string PathVariable() { return "PATH"; }
std::string VmLibraryBelowRuntime() { return "lib/server/libjvm.so"; }
std::string RuntimeMarkerBelowRuntime() { return "lib/libjava.so"; }

// The test VM library, its ELF header claiming ARM64.
std::string LibraryOfAnotherMachine() {
  std::string image = ReadWholeFile(TestVmLibrary());
  constexpr size_t kMachineField = 18;
  image.replace(kMachineField, 2, std::string("\xB7\x00", 2));
  return image;
}
bool StartsProgramsOfLongPaths() { return true; }
