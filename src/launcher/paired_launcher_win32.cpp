#include <windows.h>

#include "launcher/paired_launcher.h"
#include "support/handles_win32.h"
#include "support/messages.h"
#include "support/wide_win32.h"

int StartPairedLauncher(const LauncherSettings& settings) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(Wide(settings.pairProduct), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    ReportError(message::kPairedLauncherNotStarted,
                {settings.pairProduct, static_cast<std::int32_t>(GetLastError())});
    return -1;
  }
  UniqueHandle process(started.hProcess), thread(started.hThread);
  if (!settings.pairReturnCode) return 0;
  WaitForSingleObject(process.get(), INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.get(), &exitCode);
  return static_cast<int>(exitCode);
}
