// A first instance in single-instance mode on POSIX systems, facing a peer
// that speaks its socket badly: requests without a terminator, huge ones,
// malformed text, a peer that goes before the reply or never ends its
// request. The first instance serves what it can and goes on serving.
#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>

#include "instance/instance_channel.h"
#include "instance/instance_socket_posix.h"
#include "single_instance_launch.h"
#include "support/handles_posix.h"
#include "support/text.h"

namespace {

using Lines = std::vector<std::string>;

class InstancePeer : public SingleInstanceLaunch {
 protected:
  // A connection to the first instance's socket, as a later start makes it.
  UniqueFd connect() const {
    const std::string path = InstanceSocketFolder() + "/" + SocketFileName(InstanceName(FromUtf8(launcher_)));
    UniqueFd peer(socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    EXPECT_EQ(::connect(peer.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    return peer;
  }

  // Sends the bytes as a whole request and returns the exit code replied.
  int request(const std::string& bytes) const {
    UniqueFd peer = connect();
    EXPECT_TRUE(SendAll(peer.get(), bytes));
    shutdown(peer.get(), SHUT_WR);
    int exitCode = 0;
    EXPECT_TRUE(ReceiveExitCode(peer.get(), exitCode));
    return exitCode;
  }
};

TEST_F(InstancePeer, MalformedRequestsAreServedAsFarAsTheyGoAndTheFirstInstanceGoesOn) {
  application(kIntSecondaryMain);
  startFirst();
  const struct {
    const char* name;
    std::string bytes;
    std::string served;
  } requests[] = {
      {"no terminator", "abc", "{}"},
      {"a last argument without terminator", std::string("a\0bc", 4), "{[a]}"},
      {"8 MiB without terminator", std::string(8 << 20, 'g'), "{}"},
      {"malformed UTF-8", std::string("\xFF\xC3\0", 3), "{[\\ufffd\\ufffd]}"},
  };
  Lines served;
  for (const auto& row : requests) {
    EXPECT_EQ(request(row.bytes), 7) << row.name;
    served.push_back(row.served);
  }
  EXPECT_EQ(servedArguments(), served);

  // A peer that goes before its reply: the request is served all the same.
  UniqueFd gone = connect();
  SendAll(gone.get(), std::string("x\0", 2));
  gone.reset();
  served.push_back("{[x]}");
  AwaitCondition([&] { return servedArguments().size() == served.size(); }, "the request of a peer that went");

  // A peer that never ends its request holds up no one.
  UniqueFd stalled = connect();
  SendAll(stalled.get(), "partial");
  EXPECT_EQ(startLater({"real"}).exitCode, 7);
  served.push_back("{[real]}");
  EXPECT_EQ(servedArguments(), served);
  EXPECT_EQ(endFirst().exitCode, 0);
}

}  // namespace
