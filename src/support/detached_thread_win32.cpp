#include <windows.h>

#include <memory>

#include "support/detached_thread.h"

namespace {

DWORD WINAPI RunWork(LPVOID parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

bool StartDetachedThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  HANDLE thread = CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr);
  if (!thread) return false;
  owned.release();  // the thread's now
  CloseHandle(thread);
  return true;
}

void ParkCallingThread() {
  for (;;) Sleep(INFINITE);
}
