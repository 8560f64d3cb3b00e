// Where a runtime folder keeps its VM library.
#pragma once

#include <string>

#include "launcher/launcher_settings.h"

struct FoundVmLibrary {
  std::u16string path;  // empty when the folder holds none
  bool isServerVm = false;
};

// The VM library below a runtime folder that ends in the path separator, the
// server VM first (or only) when the mode asks for it.
FoundVmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode);
