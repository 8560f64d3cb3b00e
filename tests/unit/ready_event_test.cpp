// The ready event: what threads that wait for main receive, and when.
#include <gtest/gtest.h>

#include <future>

#include "vmhost/ready_event.h"

namespace {

JavaVM* const kVm = reinterpret_cast<JavaVM*>(0x1234);

TEST(ReadyEvent, WaitersReceiveTheVmOnceSignalled) {
  ReadyEvent event;
  ASSERT_TRUE(event.create());
  ReadyEvent copy = event;  // as a thread keeps it
  auto waiter = std::async(std::launch::async, [copy] { return copy.wait(); });
  EXPECT_EQ(waiter.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
  event.signal(kVm);
  EXPECT_EQ(waiter.get(), kVm);
  event.abandon();  // a run stage that ends afterwards takes nothing back
  EXPECT_EQ(copy.wait(), kVm);
}

TEST(ReadyEvent, AbandonedBeforeSignalLetsWaitersGoEmptyHanded) {
  ReadyEvent event;
  ASSERT_TRUE(event.create());
  auto waiter = std::async(std::launch::async, [copy = event] { return copy.wait(); });
  event.abandon();
  EXPECT_EQ(waiter.get(), nullptr);
}

}  // namespace
