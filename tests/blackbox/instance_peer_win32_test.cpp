// A first instance in single-instance mode on Windows, facing another program
// that fills the shared block badly: lists without terminators, malformed
// text, sizes that name no mapping or a mapping too small for them, a request
// that names no thread to reply to. The first instance serves what it can,
// answers -1 to what it cannot read, and goes on serving.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "instance/argument_area.h"
#include "instance/instance_channel.h"
#include "single_instance_launch.h"
#include "support/handles_win32.h"
#include "support/text.h"
#include "support/wide_win32.h"

namespace {

using Lines = std::vector<std::string>;

// Where the block's fields lie, as every launcher lays them out.
constexpr size_t kListenerThreadField = 0, kRequestMessageField = 8, kArgumentAreaField = 12;

class InstancePeer : public SingleInstanceLaunch {
 protected:
  // Writes the argument area and posts the request, as a later start does,
  // naming requester as the thread to reply to; returns the request message.
  UINT request(const std::string& area, DWORD requester) const {
    const std::u16string name = InstanceName(FromUtf8(launcher_));
    UniqueHandle lock(OpenMutexW(SYNCHRONIZE, FALSE, Wide(name + u"_upr_lock")));
    UniqueHandle taken(OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, Wide(name + u"_upr_taken")));
    UniqueHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, Wide(name)));
    EXPECT_TRUE(lock && taken && mapping);
    if (!lock || !taken || !mapping) return 0;
    UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0));
    auto* block = static_cast<unsigned char*>(const_cast<void*>(view.get()));
    DWORD listener = 0;
    UINT message = 0;
    std::memcpy(&listener, block + kListenerThreadField, sizeof listener);
    std::memcpy(&message, block + kRequestMessageField, sizeof message);
    EXPECT_EQ(WaitForSingleObject(lock.get(), 30000), WAIT_OBJECT_0);
    std::memcpy(block + kArgumentAreaField, area.data(), kArgumentAreaSize);
    ResetEvent(taken.get());
    EXPECT_TRUE(PostThreadMessageW(listener, message, requester, 0));
    EXPECT_EQ(WaitForSingleObject(taken.get(), 30000), WAIT_OBJECT_0);
    ReleaseMutex(lock.get());
    return message;
  }

  // The exit code replied to this thread.
  int reply(UINT message) const {
    MSG reply{};
    AwaitCondition([&] { return PeekMessageW(&reply, nullptr, message, message, PM_REMOVE) != 0; }, "the reply");
    return static_cast<int>(reply.wParam);
  }
};

// The area's 1040 bytes: the list's size, text, then filler up to its end.
std::string Area(std::uint32_t listSize, const std::string& text, char filler = '\0') {
  std::string area;
  for (int k = 0; k < 4; ++k) area += static_cast<char>(listSize >> (8 * k));
  area += text;
  return area + std::string(kArgumentAreaSize - area.size(), filler);
}

TEST_F(InstancePeer, MalformedAreasAreServedAsFarAsTheyGoAndTheFirstInstanceGoesOn) {
  application(kIntSecondaryMain);
  startFirst();
  MSG queue;
  PeekMessageW(&queue, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // this thread receives the replies
  const std::string small = "LauncherTestSmallMapping" + std::to_string(GetCurrentProcessId());
  UniqueHandle smallMapping(
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, Wide(FromUtf8(small))));
  ASSERT_TRUE(smallMapping);
  const struct {
    const char* name;
    std::string area;
    int reply;
    const char* served;  // null: not served
  } requests[] = {
      {"a list without terminator", Area(kAreaListCapacity, "", 'g'), 7, "{}"},
      {"a last argument without terminator", Area(3, std::string("a\0b", 3), 'g'), 7, "{[a]}"},
      {"an empty list before bytes of no character", Area(0, "", '\xFF'), 7, "{}"},
      {"malformed UTF-8", Area(3, std::string("\xFF\xC3\0", 3)), 7, "{[\\ufffd\\ufffd]}"},
      {"a size beyond the area, a name without its end", Area(0x67676767, "", 'g'), -1, nullptr},
      {"a mapping that is not there", Area(5000, "no such mapping"), -1, nullptr},
      {"a mapping smaller than the size", Area(100000, small), -1, nullptr},
  };
  Lines served;
  for (const auto& row : requests) {
    EXPECT_EQ(reply(request(row.area, GetCurrentThreadId())), row.reply) << row.name;
    if (row.served) served.push_back(row.served);
  }
  EXPECT_EQ(servedArguments(), served);

  // A request naming no thread: served, its reply lost.
  request(Area(2, std::string("x\0", 2)), 0);
  served.push_back("{[x]}");
  AwaitCondition([&] { return servedArguments().size() == served.size(); }, "the request without a requester");

  EXPECT_EQ(startLater({"real"}).exitCode, 7);
  served.push_back("{[real]}");
  EXPECT_EQ(servedArguments(), served);
  EXPECT_EQ(endFirst().exitCode, 0);
}

}  // namespace
