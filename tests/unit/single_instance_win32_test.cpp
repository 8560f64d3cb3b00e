// The single-instance channel against Windows' own objects: the shared
// block's layout, the request and reply messages, the hand-over lock. The
// test plays the other instance.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "instance/argument_area.h"
#include "instance/argument_area_win32.h"
#include "instance/instance_channel.h"
#include "support/handles_win32.h"
#include "support/text.h"
#include "support/wide_win32.h"

namespace {

using Arguments = std::vector<std::u16string>;

std::u16string UniqueName(const char* test) {
  return u"C:_LauncherTests_" + FromAscii(test) + u"_" + ToDecimal(GetCurrentProcessId());
}

// The block as other processes see it, mapped by its name.
class BlockView {
 public:
  explicit BlockView(const std::u16string& name, bool create = false) {
    mapping_.reset(create ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 1052, Wide(name))
                          : OpenFileMappingW(FILE_MAP_WRITE, FALSE, Wide(name)));
    if (mapping_) view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_WRITE, 0, 0, 0));
  }
  explicit operator bool() const { return static_cast<bool>(view_); }
  unsigned char* bytes() const { return static_cast<unsigned char*>(const_cast<void*>(view_.get())); }
  DWORD field(size_t offset) const {
    DWORD value;
    std::memcpy(&value, bytes() + offset, sizeof value);
    return value;
  }
  void setField(size_t offset, DWORD value) const { std::memcpy(bytes() + offset, &value, sizeof value); }
  unsigned char* argumentArea() const { return bytes() + 12; }

 private:
  UniqueHandle mapping_;
  UniqueMappedView view_;
};

UniqueHandle OpenNamedEvent(const std::u16string& name) {
  return UniqueHandle(OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, Wide(name)));
}

TEST(SingleInstanceChannel, FirstInstancePublishesTheBlockAndTakesRequests) {
  const std::u16string name = UniqueName("First");
  ApplicationTarget target;
  InstanceChannel channel;
  ASSERT_EQ(OpenInstanceChannel(name, {}, target, channel), InstanceRole::First);

  BlockView block(name);
  ASSERT_TRUE(block);
  const DWORD listenerId = block.field(0);
  EXPECT_EQ(block.field(4), GetCurrentProcessId());
  const UINT requestMessage = block.field(8);
  EXPECT_EQ(requestMessage, RegisterWindowMessageW(Wide(name)));
  UniqueHandle listener(OpenThread(SYNCHRONIZE, FALSE, listenerId));
  ASSERT_TRUE(listener);
  UniqueHandle ready = OpenNamedEvent(name + u"_upr_evt");
  ASSERT_TRUE(ready);
  EXPECT_EQ(WaitForSingleObject(ready.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));  // main not entered yet

  // A request as a later start makes it: the listener takes the arguments at once.
  UniqueHandle taken = OpenNamedEvent(name + u"_upr_taken");
  ASSERT_TRUE(taken);
  WriteListToArea(EncodeArguments({u"a", u"b"}), block.argumentArea());
  ASSERT_TRUE(PostThreadMessageW(listenerId, requestMessage, GetCurrentThreadId(), 0));
  EXPECT_EQ(WaitForSingleObject(taken.get(), 5000), WAIT_OBJECT_0);

  // One whose arguments lie in a mapping that is not there: answered with -1, not served.
  MSG reply;
  PeekMessageW(&reply, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // this thread's queue, for the reply
  ASSERT_TRUE(WriteListPlaceToArea(5000, name + u"_upr_args_gone", block.argumentArea()));
  ASSERT_TRUE(PostThreadMessageW(listenerId, requestMessage, GetCurrentThreadId(), 0));
  EXPECT_EQ(WaitForSingleObject(taken.get(), 5000), WAIT_OBJECT_0);
  bool replied = false;
  for (int wait = 0; wait < 500 && !replied; ++wait, Sleep(10))
    replied = PeekMessageW(&reply, nullptr, requestMessage, requestMessage, PM_REMOVE) != 0;
  ASSERT_TRUE(replied);
  EXPECT_EQ(static_cast<int>(reply.wParam), -1);

  target.ready.abandon();  // the server thread gives up: main never came
  channel.reset();
  EXPECT_EQ(WaitForSingleObject(listener.get(), 5000), WAIT_OBJECT_0);  // the listener has ended
}

// Plays a first instance: a listener that replies at once, before it lets the
// later start go, and records what it was sent.
class FakeFirstInstance {
 public:
  explicit FakeFirstInstance(const std::u16string& name, int reply)
      : block_(name, true), taken_(CreateEventW(nullptr, FALSE, FALSE, Wide(name + u"_upr_taken"))) {
    requestMessage_ = RegisterWindowMessageW(Wide(name));
    block_.setField(4, GetCurrentProcessId());
    block_.setField(8, requestMessage_);
    std::atomic<DWORD> listenerId{0};
    thread_ = std::thread([this, reply, &listenerId] {
      MSG message;
      PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
      listenerId = GetCurrentThreadId();
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != requestMessage_) continue;
        requester_ = static_cast<DWORD>(message.wParam);
        arguments_ = TakeArguments(block_.argumentArea()).value_or(Arguments{u"(unreadable)"});
        PostThreadMessageW(requester_, requestMessage_, static_cast<WPARAM>(reply), 0);
        Sleep(100);  // a later start that did not wait would be gone by now
        released_ = true;
        SetEvent(taken_.get());
      }
    });
    while (listenerId == 0) Sleep(1);
    listenerId_ = listenerId;
    block_.setField(0, listenerId_);
  }
  ~FakeFirstInstance() {
    PostThreadMessageW(listenerId_, WM_QUIT, 0, 0);
    thread_.join();
  }

  const BlockView& block() const { return block_; }
  DWORD requester() const { return requester_; }
  const Arguments& arguments() const { return arguments_; }
  bool released() const { return released_; }

 private:
  BlockView block_;
  UniqueHandle taken_;
  UINT requestMessage_ = 0;
  DWORD listenerId_ = 0;
  std::thread thread_;
  DWORD requester_ = 0;
  Arguments arguments_;
  std::atomic<bool> released_{false};
};

// A later start on a thread of its own, which has no message queue yet.
struct LaterStart {
  InstanceRole role = InstanceRole::None;
  bool waitedForTheCopy = false;
  int exitCode = 0;
  DWORD threadId = 0;
};

LaterStart StartLater(const std::u16string& name, const Arguments& arguments, const FakeFirstInstance& first) {
  LaterStart start;
  std::thread([&] {
    start.threadId = GetCurrentThreadId();
    ApplicationTarget target;
    InstanceChannel channel;
    start.role = OpenInstanceChannel(name, arguments, target, channel);
    start.waitedForTheCopy = first.released();
    if (start.role == InstanceRole::Later) start.exitCode = WaitForReply(*channel);
  }).join();
  return start;
}

TEST(SingleInstanceChannel, LaterStartHandsOverAndTakesAnEarlyReply) {
  const std::u16string name = UniqueName("Later");
  FakeFirstInstance first(name, 42);
  LaterStart start = StartLater(name, {u"a", u"b c", u"\u00e9"}, first);
  EXPECT_EQ(start.role, InstanceRole::Later);
  EXPECT_TRUE(start.waitedForTheCopy);  // the lock is held until the listener has the arguments
  EXPECT_EQ(first.requester(), start.threadId);
  EXPECT_EQ(first.arguments(), (Arguments{u"a", u"b c", u"\u00e9"}));
  EXPECT_EQ(start.exitCode, 42);  // replied before the later start waited: not lost
}

TEST(SingleInstanceChannel, NegativeRepliesKeepTheirSign) {
  const std::u16string name = UniqueName("Negative");
  FakeFirstInstance first(name, -3);
  EXPECT_EQ(StartLater(name, {}, first).exitCode, -3);
}

// Arguments too long for the area travel in a mapping of the later start's,
// which lasts until the request is served and not beyond the later start.
TEST(SingleInstanceChannel, LongArgumentsTravelInAMappingOfTheirOwn) {
  const std::u16string name = UniqueName("Long");
  const std::u16string mapping = name + u"_upr_args_" + ToDecimal(GetCurrentProcessId());
  for (const Arguments& arguments : {Arguments{std::u16string(kAreaListCapacity, u'x')},
                                     Arguments{std::u16string(3000, u'\u00e9'), u"", std::u16string(3000, u'y')}}) {
    FakeFirstInstance first(name, 5);
    LaterStart start = StartLater(name, arguments, first);
    EXPECT_EQ(start.role, InstanceRole::Later);
    EXPECT_TRUE(start.waitedForTheCopy);
    EXPECT_EQ(first.arguments(), arguments);
    EXPECT_EQ(start.exitCode, 5);
    EXPECT_EQ(ReadArea(first.block().argumentArea()).mappingName, mapping);
    EXPECT_FALSE(UniqueHandle(OpenFileMappingW(FILE_MAP_READ, FALSE, Wide(mapping))));  // gone with the later start
  }
}

TEST(SingleInstanceChannel, AMappingNameThatIsTakenFailsTheHandOver) {
  const std::u16string name = UniqueName("Taken");
  UniqueHandle squatter(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                           Wide(name + u"_upr_args_" + ToDecimal(GetCurrentProcessId()))));
  ASSERT_TRUE(squatter);
  FakeFirstInstance first(name, 0);
  EXPECT_EQ(StartLater(name, {std::u16string(2000, u'x')}, first).role, InstanceRole::HandOverFailed);
  EXPECT_EQ(first.requester(), 0u);
  EXPECT_EQ(StartLater(name, {u"short"}, first).role, InstanceRole::Later);  // the area needs no mapping
}

}  // namespace
