// Stand-in until the runtime search provides the real publication.
#include "launcher/launcher.h"
#include "runtime/runtime_environment.h"
#include "support/environment.h"
#include "support/paths.h"

void PublishRuntimeEnvironment(const Launcher& launcher) {
  std::u16string_view home = launcher.vmLibraryPath;
  for (int k = 0; k < 3; ++k) home = CutLastComponent(home);
  SetEnvironmentValue(u"ZQ_JVM_PATH", launcher.vmLibraryPath);
  SetEnvironmentValue(u"ZQ_JVM_HOME", std::u16string(home));
}
