// Where a runtime folder keeps its VM library, and whether a folder beside the
// executable is a runtime at all.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "settings/launcher_settings.h"
#include "support/paths.h"

// The existence test the search runs on each path it considers.
using PathProbe = std::function<bool(const std::u16string&)>;

struct VmLibrary {
  std::u16string path;  // empty when the folder holds none
  bool isServerVm = false;
};

// The VM library below a runtime folder that ends in the path separator.
// ServerOnly and FavorServer look for a server VM first, and ServerOnly for
// nothing else; otherwise the locations are tried in their order, client first.
VmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode);
VmLibrary FindVmLibrary(const std::u16string& home, ServerVmMode mode, const PathProbe& exists,
                        PathStyle style = kNativePathStyle);

// The runtime shipped with the product: the executable's own folder, or its
// "jre" or "runtime" subfolder, the first that holds the runtime's marker
// file. Ends in the path separator; empty when there is none.
std::u16string FindBundledRuntime(std::u16string_view executablePath);
std::u16string BundledRuntimeFolder(std::u16string_view executablePath, const PathProbe& exists,
                                    PathStyle style = kNativePathStyle);
