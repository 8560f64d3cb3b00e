#include <pthread.h>
#include <unistd.h>

#include <memory>

#include "support/detached_thread.h"

namespace {

void* RunWork(void* parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return nullptr;
}

}  // namespace

bool StartDetachedThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  pthread_t thread;
  if (pthread_create(&thread, nullptr, RunWork, owned.get()) != 0) return false;
  owned.release();  // the thread's now
  pthread_detach(thread);
  return true;
}

void ParkCallingThread() {
  for (;;) pause();
}
