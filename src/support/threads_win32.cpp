#include <windows.h>

#include "support/handles_win32.h"
#include "support/threads.h"

namespace {

struct ThreadCall {
  ThreadProcedure procedure;
  void* context;
};

DWORD WINAPI ThreadStart(LPVOID parameter) {
  const ThreadCall& call = *static_cast<const ThreadCall*>(parameter);
  return static_cast<DWORD>(call.procedure(call.context));
}

}  // namespace

std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context) {
  ThreadCall call{procedure, context};
  UniqueHandle thread(CreateThread(nullptr, stackSize, ThreadStart, &call, 0, nullptr));
  if (!thread) return std::nullopt;
  WaitForSingleObject(thread.get(), INFINITE);
  DWORD exitCode = 0;
  GetExitCodeThread(thread.get(), &exitCode);
  return static_cast<int>(exitCode);
}
