#include <limits.h>
#include <pthread.h>

#include <algorithm>
#include <cstdint>

#include "support/threads.h"

namespace {

struct ThreadCall {
  ThreadProcedure procedure;
  void* context;
  int result = 0;
};

void* ThreadStart(void* parameter) {
  ThreadCall& call = *static_cast<ThreadCall*>(parameter);
  call.result = call.procedure(call.context);
  return nullptr;
}

}  // namespace

std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return std::nullopt;
  // A size below the platform's minimum cannot be had; the minimum comes closest.
  if (stackSize != 0) pthread_attr_setstacksize(&attributes, std::max<size_t>(stackSize, PTHREAD_STACK_MIN));
  ThreadCall call{procedure, context};
  pthread_t thread;
  int created = pthread_create(&thread, &attributes, ThreadStart, &call);
  pthread_attr_destroy(&attributes);
  if (created != 0) return std::nullopt;
  pthread_join(thread, nullptr);
  return call.result;
}
