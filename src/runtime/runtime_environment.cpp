#include "runtime/runtime_environment.h"

#include "launcher/launcher.h"
#include "support/environment.h"

std::u16string RuntimeHomeOf(std::u16string_view vmLibraryPath, PathStyle style) {
  std::u16string_view home = vmLibraryPath;
  for (int cut = 0; cut < 3; ++cut) home = CutLastComponent(home, style);
  return std::u16string(home);
}

void PublishRuntimeEnvironment(const Launcher& launcher) {
  SetEnvironmentValue(u"ZQ_JVM_PATH", launcher.vmLibraryPath);
  SetEnvironmentValue(u"ZQ_JVM_HOME", RuntimeHomeOf(launcher.vmLibraryPath));
}
