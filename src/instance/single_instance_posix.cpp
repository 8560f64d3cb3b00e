// Single-instance mode on POSIX systems: the first instance listens on a
// Unix-domain socket named after the instance, in a folder that only the user
// may enter; a later start connects, sends its arguments and reads its exit
// code back. A lock on that folder decides which start is the first.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>

#include "instance/argument_area.h"
#include "instance/instance_channel.h"
#include "instance/instance_exit_posix.h"
#include "instance/instance_socket_posix.h"
#include "support/handles_posix.h"
#include "support/os.h"

namespace {

// Holds an exclusive lock on an open file or folder for a scope.
class FileLock {
 public:
  explicit FileLock(int fd) : fd_(fd), held_(flock(fd, LOCK_EX) == 0) {}
  ~FileLock() {
    if (held_) flock(fd_, LOCK_UN);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool held() const { return held_; }

 private:
  int fd_;
  bool held_;
};

UniqueFd NewSocket() { return UniqueFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)); }

sockaddr_un AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

// One server thread per connection: the request, then secondaryMain; a
// connection without a reply waits for this process's exit code.
void Serve(const ApplicationTarget& target, UniqueFd connection) {
  std::string request;
  if (!ReceiveAll(connection.get(), request)) return;  // the later start has gone
  const int waiting = AwaitReply(std::move(connection));
  CallSecondaryMain(target, DecodeArguments(request), [waiting](int exitCode) { SendReply(waiting, exitCode); });
}

}  // namespace

struct InstanceChannelState {
  ~InstanceChannelState();

  std::string socketPath;
  UniqueFd folder;    // locked while a start decides its role, and while a first instance stops
  UniqueFd listener;  // first instance: the listening socket
  std::thread listenerThread;
  UniqueFd connection;  // later start: its connection to the first instance
};

InstanceChannelState::~InstanceChannelState() {
  if (!listenerThread.joinable()) return;
  // Under the lock, so that no start finds the socket gone and takes over
  // before this one has stopped listening.
  FileLock lock(folder.get());
  shutdown(listener.get(), SHUT_RDWR);  // ends the listener's accept
  listenerThread.join();
  unlink(socketPath.c_str());
  RemoveSocketAtExit("");
}

void InstanceChannelClose::operator()(InstanceChannelState* channel) const { delete channel; }

namespace {

void Listen(int listener, const ApplicationTarget& target) {
  for (;;) {
    UniqueFd connection(accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
    if (!connection && (errno == EINTR || errno == ECONNABORTED)) continue;
    if (!connection) return;
    // The thread takes the connection over; when none starts, it closes here.
    auto shared = std::make_shared<UniqueFd>(std::move(connection));
    StartDetachedThread([target, shared] { Serve(target, std::move(*shared)); });
  }
}

// First instance: a socket left behind by an instance that did not end
// cleanly is replaced. False when the mode has to be off.
bool StartListening(ApplicationTarget& target, InstanceChannelState& channel) {
  unlink(channel.socketPath.c_str());
  channel.listener = NewSocket();
  const sockaddr_un address = AddressOf(channel.socketPath);
  if (!channel.listener ||
      bind(channel.listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(channel.listener.get(), SOMAXCONN) != 0)
    return false;
  RemoveSocketAtExit(channel.socketPath);
  target.ready.create();
  channel.listenerThread = std::thread(Listen, channel.listener.get(), target);
  return true;
}

}  // namespace

InstanceRole OpenInstanceChannel(const std::u16string& name, const TokenList& arguments, ApplicationTarget& target,
                                 InstanceChannel& kept) {
  InstanceChannel channel(new InstanceChannelState);
  const std::string folder = InstanceSocketFolder();
  channel->socketPath = folder + "/" + SocketFileName(name);
  if (folder.empty() || channel->socketPath.size() >= sizeof(sockaddr_un::sun_path)) return InstanceRole::None;
  channel->folder.reset(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  FileLock lock(channel->folder.get());
  UniqueFd connection = NewSocket();
  if (!lock.held() || !connection) return InstanceRole::None;
  const sockaddr_un address = AddressOf(channel->socketPath);
  InstanceRole role = InstanceRole::Later;
  if (connect(connection.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    // The whole request, then the end of writing, which tells the listener it has all.
    if (!SendAll(connection.get(), EncodeArguments(arguments))) return InstanceRole::HandOverFailed;
    shutdown(connection.get(), SHUT_WR);
    channel->connection = std::move(connection);
  } else if (errno == ENOENT || errno == ECONNREFUSED) {  // nobody listens: no socket, or a stale one
    role = StartListening(target, *channel) ? InstanceRole::First : InstanceRole::None;
  } else {
    return InstanceRole::None;
  }
  if (role != InstanceRole::None) kept = std::move(channel);
  return role;
}

int WaitForReply(const InstanceChannelState& channel) {
  int exitCode = 0;
  // A first instance that ended without a word (killed, crashed) gave no exit
  // code: that is no success.
  return ReceiveExitCode(channel.connection.get(), exitCode) ? exitCode : -1;
}
