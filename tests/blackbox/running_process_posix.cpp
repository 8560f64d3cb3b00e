#include "running_process_posix.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <climits>

namespace {

pid_t ProcessRunning(const std::string& executable) {
  DIR* processes = opendir("/proc");
  if (!processes) return 0;
  pid_t found = 0;
  while (dirent* entry = readdir(processes)) {
    if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0]))) continue;
    char target[PATH_MAX];
    ssize_t length = readlink(("/proc/" + std::string(entry->d_name) + "/exe").c_str(), target, sizeof target);
    if (length > 0 && std::string(target, static_cast<size_t>(length)) == executable) {
      found = static_cast<pid_t>(std::stol(entry->d_name));
      break;
    }
  }
  closedir(processes);
  return found;
}

}  // namespace

void SignalProgram(const std::string& executable, int signal) {
  pid_t process = 0;
  if (AwaitCondition([&] { return (process = ProcessRunning(executable)) != 0; }, executable)) kill(process, signal);
}
