#include "runtime/working_directory.h"

#include "support/environment.h"
#include "support/module_path.h"

std::optional<std::u16string> WorkingDirectoryFor(std::u16string_view executablePath, PathStyle style) {
  size_t last = executablePath.rfind(Separator(style));
  if (last == std::u16string_view::npos || last == 0) return std::nullopt;
  return std::u16string(executablePath.substr(0, last));
}

void ApplyWorkingDirectory() {
  std::u16string modulePath;
  if (!ModulePath(modulePath)) return;
  if (std::optional<std::u16string> folder = WorkingDirectoryFor(modulePath)) SetCurrentFolder(*folder);
}
