#include "support/handles_win32.h"
#include "support/wide_win32.h"
#include "vmhost/ready_event.h"

// Two manual-reset events: the ready event itself, which other processes may
// open by its name, and the end of the run stage.
struct ReadyEvent::State {
  UniqueHandle ready;
  UniqueHandle ended;
  JavaVM* vm = nullptr;  // written before ready is set, read after a wait on it
};

bool ReadyEvent::create(const std::u16string& name) {
  auto state = std::make_shared<State>();
  state->ready.reset(CreateEventW(nullptr, TRUE, FALSE, name.empty() ? nullptr : Wide(name)));
  state->ended.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!state->ready || !state->ended) return false;
  state_ = std::move(state);
  return true;
}

void ReadyEvent::signal(JavaVM* vm) {
  if (!state_) return;
  state_->vm = vm;
  SetEvent(state_->ready.get());
}

void ReadyEvent::abandon() {
  if (state_) SetEvent(state_->ended.get());
}

JavaVM* ReadyEvent::wait() const {
  if (!state_) return nullptr;
  const HANDLE events[] = {state_->ready.get(), state_->ended.get()};
  // The first signalled event in the list wins: ready beats ended.
  return WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 ? state_->vm : nullptr;
}
