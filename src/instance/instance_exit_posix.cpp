#include "instance/instance_exit_posix.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "instance/instance_socket_posix.h"

namespace {

struct ExitDuties {
  std::mutex mutex;
  std::vector<UniqueFd> waitingConnections;
  std::string socket;
};

// Runs inside exit(), with the status exit() was given.
void PerformAtExit(int status, void* parameter) {
  ExitDuties& duties = *static_cast<ExitDuties*>(parameter);
  std::lock_guard<std::mutex> lock(duties.mutex);
  for (const UniqueFd& connection : duties.waitingConnections) SendExitCode(connection.get(), status);
  if (!duties.socket.empty()) unlink(duties.socket.c_str());
}

ExitDuties& Duties() {
  // Never destroyed: exit() still needs it after static destruction began.
  static ExitDuties* const duties = [] {
    auto* created = new ExitDuties;
    on_exit(PerformAtExit, created);
    return created;
  }();
  return *duties;
}

}  // namespace

int AwaitReply(UniqueFd connection) {
  ExitDuties& duties = Duties();
  std::lock_guard<std::mutex> lock(duties.mutex);
  const int descriptor = connection.get();
  duties.waitingConnections.push_back(std::move(connection));
  return descriptor;
}

void SendReply(int connection, int exitCode) {
  ExitDuties& duties = Duties();
  std::lock_guard<std::mutex> lock(duties.mutex);
  auto found = std::find_if(duties.waitingConnections.begin(), duties.waitingConnections.end(),
                            [connection](const UniqueFd& waiting) { return waiting.get() == connection; });
  if (found == duties.waitingConnections.end()) return;
  SendExitCode(connection, exitCode);
  duties.waitingConnections.erase(found);  // closes it
}

void RemoveSocketAtExit(const std::string& path) {
  ExitDuties& duties = Duties();
  std::lock_guard<std::mutex> lock(duties.mutex);
  duties.socket = path;
}
