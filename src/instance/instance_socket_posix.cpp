#include "instance/instance_socket_posix.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "support/os.h"
#include "support/text.h"

namespace {

constexpr std::size_t kNameEndLength = 40;

bool IsPrivateFolder(const std::string& folder) {
  struct stat status;
  return lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
         (status.st_mode & 077) == 0;
}

}  // namespace

std::string InstanceSocketFolder() {
  if (std::optional<std::u16string> runtime = GetEnvironmentValue(u"XDG_RUNTIME_DIR")) {
    std::string folder = ToUtf8(*runtime);
    if (!folder.empty() && folder.front() == '/' && IsPrivateFolder(folder)) return folder;
  }
  std::string folder = "/tmp/launcher-" + std::to_string(geteuid());
  mkdir(folder.c_str(), 0700);
  return IsPrivateFolder(folder) ? folder : std::string();
}

std::string SocketFileName(std::u16string_view instanceName) {
  const std::string name = ToUtf8(instanceName);
  const std::size_t end = name.size() > kNameEndLength ? name.size() - kNameEndLength : 0;
  return name.substr(end) + "-" + ToUtf8(HashText(name));
}

bool SendAll(int socket, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool ReceiveAll(int socket, std::string& bytes) {
  char buffer[4096];
  for (;;) {
    ssize_t received = recv(socket, buffer, sizeof buffer, 0);
    if (received < 0 && errno == EINTR) continue;
    if (received < 0) return false;
    if (received == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(received));
  }
}

bool SendExitCode(int socket, int exitCode) {
  const std::int32_t code = exitCode;
  return SendAll(socket, std::string_view(reinterpret_cast<const char*>(&code), sizeof code));
}

bool ReceiveExitCode(int socket, int& exitCode) {
  std::int32_t code = 0;
  auto* next = reinterpret_cast<char*>(&code);
  for (std::size_t left = sizeof code; left > 0;) {
    ssize_t received = recv(socket, next, left, 0);
    if (received < 0 && errno == EINTR) continue;
    if (received <= 0) return false;
    next += received;
    left -= static_cast<std::size_t>(received);
  }
  exitCode = code;
  return true;
}
