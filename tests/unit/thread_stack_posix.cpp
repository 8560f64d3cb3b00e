#include <pthread.h>

#include "thread_stack.h"

std::uint64_t CurrentThreadStackSize() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
  size_t size = 0;
  pthread_attr_getstacksize(&attributes, &size);
  pthread_attr_destroy(&attributes);
  return size;
}

bool IsStackSizeAsAsked(std::uint64_t seen, std::uint64_t asked) { return seen >= asked && seen < 4 * asked; }
