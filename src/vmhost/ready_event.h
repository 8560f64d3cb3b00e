// The moment the Java main method is about to be called. Threads that call
// into the application (secondaryMain, stop) wait for it, and receive the VM
// from it; when the run stage ends without reaching main they are let go
// instead. Copies share one event, so a waiting thread may outlive the
// Launcher that made it.
#pragma once

#include <jni.h>

#include <memory>
#include <string>

class ReadyEvent {
 public:
  // Makes the event; on Windows a name makes it a named kernel event. False
  // when it cannot be made.
  bool create(const std::u16string& name = std::u16string());
  explicit operator bool() const { return state_ != nullptr; }

  // main is about to be called on the VM. Does nothing when not created.
  void signal(JavaVM* vm);
  // The run stage is over: waiters that are still waiting give up.
  void abandon();
  // Blocks until signalled (gives the VM, also once abandoned later) or
  // abandoned before (gives null).
  JavaVM* wait() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};
