#include <gtest/gtest.h>

#include "support/os.h"
#include "thread_stack.h"

namespace {

int RecordStackSize(void* context) {
  *static_cast<std::uint64_t*>(context) = CurrentThreadStackSize();
  return 42;
}

TEST(RunOnNewThread, GivesTheThreadTheAskedStackSizeAndReturnsItsResult) {
  for (std::uint32_t size : {1048576u, 4194304u}) {
    std::uint64_t seen = 0;
    EXPECT_EQ(RunOnNewThread(size, RecordStackSize, &seen), 42);
    EXPECT_TRUE(IsStackSizeAsAsked(seen, size)) << seen << " for " << size;
  }
}

TEST(RunOnNewThread, ZeroTakesThePlatformDefault) {
  std::uint64_t seen = 0;
  EXPECT_EQ(RunOnNewThread(0, RecordStackSize, &seen), 42);
  EXPECT_GE(seen, 1048576u);
}

}  // namespace
