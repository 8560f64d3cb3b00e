#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

#include "harness.h"

extern char** environ;

std::string ExecutableSuffix() { return ""; }
std::string NativePath(const std::string& path) { return path; }
std::string LineEnd() { return "\n"; }

namespace {

std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& changes) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry; ++entry) {
    std::string text = *entry;
    if (!changes.count(text.substr(0, text.find('=')))) result.push_back(text);
  }
  for (const auto& [name, value] : changes)
    if (!value.empty()) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

long long NowMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

}  // namespace

RunResult RunProgram(const std::string& program, const RunOptions& options) {
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  std::vector<std::string> environment = ChildEnvironment(options.environment);
  std::vector<char*> argvPointers = Pointers(argv), environmentPointers = Pointers(environment);

  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) ADD_FAILURE() << "pipe failed";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  std::string directory =
      options.workingDirectory.empty() ? program.substr(0, program.rfind('/')) : options.workingDirectory;
  posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  pid_t child = 0;
  int spawned =
      posix_spawn(&child, program.c_str(), &actions, nullptr, argvPointers.data(), environmentPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  RunResult result;
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << program << ": " << strerror(spawned);
    close(out[0]);
    close(err[0]);
    return result;
  }

  long long deadline = NowMilliseconds() + options.timeoutMilliseconds;
  pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.output, &result.error};
  int open = 2;
  while (open > 0) {
    long long left = deadline - NowMilliseconds();
    if (left <= 0) {
      ADD_FAILURE() << program << " did not end within " << options.timeoutMilliseconds << " ms";
      kill(child, SIGKILL);
      break;
    }
    if (poll(streams, 2, static_cast<int>(left)) <= 0) continue;
    for (int k = 0; k < 2; ++k) {
      if (streams[k].fd < 0 || !(streams[k].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      ssize_t got = read(streams[k].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[k]->append(buffer, static_cast<size_t>(got));
      } else {
        close(streams[k].fd);
        streams[k].fd = -1;
        --open;
      }
    }
  }
  for (pollfd& stream : streams)
    if (stream.fd >= 0) close(stream.fd);
  int status = 0;
  waitpid(child, &status, 0);
  result.exitCode = WIFEXITED(status) ? static_cast<std::int8_t>(WEXITSTATUS(status)) : 128 + WTERMSIG(status);
  return result;
}
