// Service mode on POSIX systems: the application runs in the foreground for
// a service manager, and SIGTERM and SIGINT ask it to stop, as a stop control
// does on Windows. The VM is started with -Xrs, so it neither installs its own
// handlers for these signals (which would end the process with 143) nor
// touches their masks; ours only writes a byte to a pipe, since little is safe
// in a handler, and a thread of ours reads it and starts a stop thread.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>
#include <thread>

#include "service/service.h"
#include "support/handles_posix.h"

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT};
constexpr char kStopRequest = 's';
constexpr char kEndOfWatch = 'e';

int stopRequestWriter = -1;  // the handler's only way to the watcher

void OnStopSignal(int) {
  const int savedErrno = errno;
  [[maybe_unused]] ssize_t written = write(stopRequestWriter, &kStopRequest, 1);
  errno = savedErrno;
}

// Starts a stop thread for every stop signal while the run stage runs; the
// signals' previous handling comes back afterwards.
class StopSignalWatcher {
 public:
  explicit StopSignalWatcher(const ServiceController& service) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    requests_.reset(ends[0]);
    writer_.reset(ends[1]);
    stopRequestWriter = writer_.get();
    thread_ = std::thread([this, &service] { watch(service); });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t k = 0; k < std::size(kStopSignals); ++k) sigaction(kStopSignals[k], &action, &previous_[k]);
  }
  ~StopSignalWatcher() {
    if (!thread_.joinable()) return;
    for (size_t k = 0; k < std::size(kStopSignals); ++k) sigaction(kStopSignals[k], &previous_[k], nullptr);
    [[maybe_unused]] ssize_t written = write(writer_.get(), &kEndOfWatch, 1);
    thread_.join();
  }
  StopSignalWatcher(const StopSignalWatcher&) = delete;
  StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;

 private:
  void watch(const ServiceController& service) const {
    for (char request = 0; request != kEndOfWatch;) {
      ssize_t got = read(requests_.get(), &request, 1);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return;
      if (request == kStopRequest) StartStopThread(service);
    }
  }

  UniqueFd requests_;
  UniqueFd writer_;
  struct sigaction previous_[std::size(kStopSignals)]{};
  std::thread thread_;
};

}  // namespace

int StartServiceDispatcher(ServiceController& service) {
  StopSignalWatcher watcher(service);
  // A service manager learns of a failed run stage from the exit code.
  return service.runStage({});
}
