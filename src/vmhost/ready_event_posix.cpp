#include <condition_variable>
#include <mutex>

#include "vmhost/ready_event.h"

struct ReadyEvent::State {
  std::mutex mutex;
  std::condition_variable changed;
  JavaVM* vm = nullptr;
  bool abandoned = false;
};

bool ReadyEvent::create(const std::u16string&) {
  state_ = std::make_shared<State>();
  return true;
}

void ReadyEvent::signal(JavaVM* vm) {
  if (!state_) return;
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->vm = vm;
  state_->changed.notify_all();
}

void ReadyEvent::abandon() {
  if (!state_) return;
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->abandoned = true;
  state_->changed.notify_all();
}

JavaVM* ReadyEvent::wait() const {
  if (!state_) return nullptr;
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->changed.wait(lock, [this] { return state_->vm || state_->abandoned; });
  return state_->vm;
}
