#include <errno.h>
#include <spawn.h>
#include <sys/wait.h>

#include "launcher/paired_launcher.h"
#include "support/messages.h"
#include "support/text.h"

extern char** environ;

int StartPairedLauncher(const LauncherSettings& settings) {
  std::string program = ToUtf8(settings.pairProduct);
  char* argv[] = {program.data(), nullptr};
  pid_t child = 0;
  int error = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ);
  if (error != 0) {
    ReportError(message::kPairedLauncherNotStarted, {settings.pairProduct, error});
    return -1;
  }
  if (!settings.pairReturnCode) return 0;
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // A pair ended by a signal gives what a shell would report for it.
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
