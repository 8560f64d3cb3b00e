// Asks the user for a runtime as the launcher does when it finds none, with
// the version range and "JVM Type" value given on the command line, and tells
// the test what came back: "folder|library" on standard output and exit code
// 0, or exit code -1, as the launcher's, when the user cancelled or nothing could be shown.
#include "runtime/missing_runtime.h"
#include "support/messages.h"
#include "support/wide_win32.h"

namespace {

std::u16string Argument(int argc, wchar_t** argv, int index) { return index < argc ? FromWide(argv[index]) : u""; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  LauncherSettings settings;
  settings.minimumVersion = MinimumVersionSetting(Argument(argc, argv, 1));
  settings.maximumVersion = MaximumVersionSetting(Argument(argc, argv, 2));
  if (Argument(argc, argv, 3) == u"server") settings.serverVmMode = ServerVmMode::ServerOnly;
  std::u16string folder, library;
  if (!AskUserForRuntime(settings, folder, library)) return -1;
  WriteStandardOutput(folder + u"|" + library + u"\n");
  return 0;
}
