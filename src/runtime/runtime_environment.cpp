#include "runtime/runtime_environment.h"

#include "launcher/launcher.h"
#include "support/environment.h"

std::u16string RuntimeHomeOf(std::u16string_view vmLibraryPath, PathStyle style) {
  // A Linux runtime keeps its library below "lib", one level deeper in the
  // older lib/<arch>/ layout: its home is the folder that holds that "lib".
  if (style == PathStyle::Posix) {
    size_t lib = vmLibraryPath.rfind(u"/lib/");
    if (lib != std::u16string_view::npos) return std::u16string(vmLibraryPath.substr(0, lib));
  }
  std::u16string_view home = vmLibraryPath;
  for (int cut = 0; cut < 3; ++cut) home = CutLastComponent(home, style);
  return std::u16string(home);
}

void PublishRuntimeEnvironment(const Launcher& launcher) {
  SetEnvironmentValue(u"ZQ_JVM_PATH", launcher.vmLibraryPath);
  SetEnvironmentValue(u"ZQ_JVM_HOME", RuntimeHomeOf(launcher.vmLibraryPath));
}
