#include "launcher/pending_replies_posix.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "launcher/instance_socket_posix.h"

namespace {

struct PendingReplies {
  std::mutex mutex;
  std::vector<int> connections;
};

// Runs inside exit(), with the status exit() was given.
void AnswerAtExit(int status, void* parameter) {
  PendingReplies& pending = *static_cast<PendingReplies*>(parameter);
  std::lock_guard<std::mutex> lock(pending.mutex);
  for (int connection : pending.connections) SendExitCode(connection, status);
}

PendingReplies& Pending() {
  // Never destroyed: exit() still needs it after static destruction began.
  static PendingReplies* const pending = [] {
    auto* created = new PendingReplies;
    on_exit(AnswerAtExit, created);
    return created;
  }();
  return *pending;
}

}  // namespace

void AwaitReply(int connection) {
  PendingReplies& pending = Pending();
  std::lock_guard<std::mutex> lock(pending.mutex);
  pending.connections.push_back(connection);
}

void SendReply(int connection, int exitCode) {
  PendingReplies& pending = Pending();
  std::lock_guard<std::mutex> lock(pending.mutex);
  auto found = std::find(pending.connections.begin(), pending.connections.end(), connection);
  if (found == pending.connections.end()) return;
  SendExitCode(connection, exitCode);
  close(connection);
  pending.connections.erase(found);
}
