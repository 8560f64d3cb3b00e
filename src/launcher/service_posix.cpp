// Service mode on POSIX systems: the application runs in the foreground for
// a service manager, and SIGTERM and SIGINT ask it to stop, as a stop control
// does on Windows. Both signals are blocked before any other thread exists, so
// every thread inherits the block; the VM, started with -Xrs, neither handles
// nor unblocks them; one thread of ours takes them with sigwait.
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

#include "launcher/launch_sequence.h"
#include "launcher/launcher.h"
#include "launcher/service.h"

namespace {

sigset_t StopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  return signals;
}

// Starts a stop thread for every stop signal while the run stage runs.
class StopSignalWatcher {
 public:
  explicit StopSignalWatcher(const ServiceController& service) : thread_([this, &service] { watch(service); }) {}
  ~StopSignalWatcher() {
    ended_ = true;
    pthread_kill(thread_.native_handle(), SIGTERM);  // wakes sigwait
    thread_.join();
  }
  StopSignalWatcher(const StopSignalWatcher&) = delete;
  StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;

 private:
  void watch(const ServiceController& service) {
    const sigset_t signals = StopSignals();
    int signal = 0;
    while (sigwait(&signals, &signal) == 0 && !ended_) StartStopThread(service);
  }

  std::atomic<bool> ended_{false};
  std::thread thread_;  // last: starts once the rest is ready
};

}  // namespace

int StartServiceDispatcher(ServiceController& service) {
  Launcher& launcher = *service.owner;
  const sigset_t signals = StopSignals();
  sigset_t previous;
  pthread_sigmask(SIG_BLOCK, &signals, &previous);
  launcher.vmOptions.push_back("-Xrs");  // the VM leaves SIGTERM and SIGINT to us
  int result = 0;
  {
    StopSignalWatcher watcher(service);
    result = Run(launcher);
  }
  // From here on a stop signal ends the process as usual, also while the VM
  // waits for the program's last threads.
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  // A service manager learns of a failed run stage from the exit code.
  return result;
}
