// Single-instance mode on Windows: a page-file mapping named after the
// instance holds the first instance's listener and the arguments of the
// latest request (or where they are); requests and replies travel as a
// registered thread message. A named lock serialises everything that writes
// the block, so each request is served with its own arguments.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "instance/argument_area.h"
#include "instance/argument_area_win32.h"
#include "instance/instance_channel.h"
#include "support/handles_win32.h"
#include "support/os.h"
#include "support/wide_win32.h"

namespace {

// The shared block as both instances see it: little-endian, no padding.
struct SingleInstanceBlock {
  std::uint32_t listenerThreadId;
  std::uint32_t firstProcessId;
  std::uint32_t requestMessage;
  unsigned char argumentArea[kArgumentAreaSize];
};
static_assert(sizeof(SingleInstanceBlock) == 1052 && offsetof(SingleInstanceBlock, argumentArea) == 12,
              "the block's layout is shared with other launchers");
static_assert(sizeof(DWORD) == sizeof(std::uint32_t), "thread and process identifiers fill their fields");

constexpr char16_t kReadyEventSuffix[] = u"_upr_evt";
constexpr char16_t kLockSuffix[] = u"_upr_lock";
constexpr char16_t kTakenSuffix[] = u"_upr_taken";

// Holds a named mutex for a scope, releasing only what its wait acquired. An
// abandoned mutex (its owner ended while holding it) is taken all the same.
class MutexHold {
 public:
  explicit MutexHold(HANDLE mutex) : mutex_(mutex) {
    const DWORD waited = WaitForSingleObject(mutex_, INFINITE);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
  }
  ~MutexHold() {
    if (held_) ReleaseMutex(mutex_);
  }
  MutexHold(const MutexHold&) = delete;
  MutexHold& operator=(const MutexHold&) = delete;
  bool held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

// The message number of a reply, if one is among the calling thread's messages.
std::optional<int> TakeReply(UINT replyMessage) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == replyMessage) return static_cast<int>(message.wParam);
  }
  return std::nullopt;
}

// Gives the calling thread its message queue: a message posted to a thread
// without one is lost.
void MakeMessageQueue() {
  MSG message;
  PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
}

}  // namespace

struct InstanceChannelState {
  ~InstanceChannelState();
  SingleInstanceBlock& block() const { return *static_cast<SingleInstanceBlock*>(const_cast<void*>(sharedView.get())); }

  UniqueHandle sharedMapping;
  UniqueMappedView sharedView;
  UniqueHandle handOverLock;      // held while one start writes the block
  UniqueHandle argumentsTaken;    // set by the listener once it has copied a request's arguments
  UniqueHandle listening;         // set once the listener has its message queue
  UniqueHandle listenerThread;    // first instance
  ApplicationTarget target;       // first instance: what its server threads call
  UniqueHandle firstProcess;      // later start: the instance that serves it
  UniqueHandle argumentsMapping;  // later start: its arguments, when the block's area is too small
};

InstanceChannelState::~InstanceChannelState() {
  // The listener reads the view: it ends before the view goes.
  if (listenerThread && PostThreadMessageW(block().listenerThreadId, WM_QUIT, 0, 0))
    WaitForSingleObject(listenerThread.get(), INFINITE);
}

void InstanceChannelClose::operator()(InstanceChannelState* channel) const { delete channel; }

namespace {

void PostReply(DWORD requester, UINT replyMessage, int exitCode) {
  PostThreadMessageW(requester, replyMessage, static_cast<WPARAM>(static_cast<DWORD>(exitCode)), 0);
}

// One server thread per request: secondaryMain with the request's arguments,
// the reply posted to the requesting thread.
void StartServerThread(const InstanceChannelState& channel, DWORD requester, std::vector<std::u16string> arguments) {
  const UINT replyMessage = channel.block().requestMessage;
  StartDetachedThread([target = channel.target, requester, replyMessage, arguments = std::move(arguments)] {
    CallSecondaryMain(target, arguments, [&](int exitCode) { PostReply(requester, replyMessage, exitCode); });
  });
}

// The listener: copies each request's arguments at once, so the next start
// may write its own, and hands the request to a server thread. A request
// whose arguments cannot be read is not served: it is answered with -1.
DWORD WINAPI ListenerThread(LPVOID parameter) {
  const InstanceChannelState& channel = *static_cast<const InstanceChannelState*>(parameter);
  MakeMessageQueue();
  SetEvent(channel.listening.get());
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message != channel.block().requestMessage) continue;
    std::optional<TokenList> arguments = TakeArguments(channel.block().argumentArea);
    SetEvent(channel.argumentsTaken.get());
    const DWORD requester = static_cast<DWORD>(message.wParam);
    if (arguments)
      StartServerThread(channel, requester, std::move(*arguments));
    else
      PostReply(requester, channel.block().requestMessage, -1);
  }
  return 0;
}

// First instance: publishes the block's header and starts the listener.
// False when the mode has to be off.
bool StartListening(ApplicationTarget& target, InstanceChannelState& channel, const std::u16string& name) {
  target.ready.create(name + kReadyEventSuffix);
  SingleInstanceBlock& block = channel.block();
  block.requestMessage = RegisterWindowMessageW(Wide(name));
  if (block.requestMessage == 0) return false;
  block.firstProcessId = GetCurrentProcessId();
  channel.target = target;
  channel.listening.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!channel.listening) return false;
  channel.listenerThread.reset(
      CreateThread(nullptr, 0, ListenerThread, &channel, 0, reinterpret_cast<DWORD*>(&block.listenerThreadId)));
  if (!channel.listenerThread) return false;
  // Later starts may post to the listener only once it has its queue.
  WaitForSingleObject(channel.listening.get(), INFINITE);
  return true;
}

// Later start: writes the arguments and posts the request; once the listener
// has taken the arguments, the next start may write the block.
bool HandOver(const std::u16string& name, const TokenList& arguments, InstanceChannelState& channel) {
  SingleInstanceBlock& block = channel.block();
  MakeMessageQueue();  // the reply may come before the first wait for it
  channel.firstProcess.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, block.firstProcessId));
  if (!PutArguments(arguments, name, block.argumentArea, channel.argumentsMapping)) return false;
  ResetEvent(channel.argumentsTaken.get());  // left set by a start that ended while handing over
  if (!PostThreadMessageW(block.listenerThreadId, block.requestMessage, GetCurrentThreadId(), 0)) return false;
  if (channel.firstProcess) {
    const HANDLE ends[] = {channel.argumentsTaken.get(), channel.firstProcess.get()};
    WaitForMultipleObjects(2, ends, FALSE, INFINITE);
  }
  return true;
}

}  // namespace

InstanceRole OpenInstanceChannel(const std::u16string& name, const TokenList& arguments, ApplicationTarget& target,
                                 InstanceChannel& kept) {
  InstanceChannel channel(new InstanceChannelState);
  channel->handOverLock.reset(CreateMutexW(nullptr, FALSE, Wide(name + kLockSuffix)));
  channel->argumentsTaken.reset(CreateEventW(nullptr, FALSE, FALSE, Wide(name + kTakenSuffix)));
  if (!channel->handOverLock || !channel->argumentsTaken) return InstanceRole::None;
  MutexHold hold(channel->handOverLock.get());
  if (!hold.held()) return InstanceRole::None;
  channel->sharedMapping.reset(
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SingleInstanceBlock), Wide(name)));
  const bool isFirst = GetLastError() != ERROR_ALREADY_EXISTS;
  if (!channel->sharedMapping) return InstanceRole::None;
  channel->sharedView.reset(MapViewOfFile(channel->sharedMapping.get(), FILE_MAP_WRITE, 0, 0, 0));
  if (!channel->sharedView) return InstanceRole::None;
  InstanceRole role = InstanceRole::Later;
  if (isFirst)
    role = StartListening(target, *channel, name) ? InstanceRole::First : InstanceRole::None;
  else if (!HandOver(name, arguments, *channel))
    role = InstanceRole::HandOverFailed;
  if (role == InstanceRole::First || role == InstanceRole::Later) kept = std::move(channel);
  return role;
}

int WaitForReply(const InstanceChannelState& channel) {
  if (!channel.firstProcess) return 0;
  const UINT replyMessage = channel.block().requestMessage;
  HANDLE firstProcess = channel.firstProcess.get();
  for (;;) {
    if (std::optional<int> reply = TakeReply(replyMessage)) return *reply;
    // Waiting on the process, not polling its exit code, also ends the wait
    // for a first instance whose exit code happens to be STILL_ACTIVE.
    DWORD woken = MsgWaitForMultipleObjects(1, &firstProcess, FALSE, INFINITE, QS_ALLPOSTMESSAGE);
    if (woken == WAIT_OBJECT_0 + 1) continue;
    if (std::optional<int> reply = TakeReply(replyMessage)) return *reply;  // posted just before it ended
    DWORD exitCode = 0;
    return woken == WAIT_OBJECT_0 && GetExitCodeProcess(firstProcess, &exitCode) ? static_cast<int>(exitCode) : 0;
  }
}
