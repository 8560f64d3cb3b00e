// The status a service reports to the service control manager, and how the
// service's events change it: a pure state machine, the reports themselves
// being the platform's.
#pragma once

#include <cstdint>

// The platform's SERVICE_STATUS record, field for field.
struct ServiceStatus {
  std::uint32_t serviceType = 0;
  std::uint32_t currentState = 0;
  std::uint32_t controlsAccepted = 0;
  std::uint32_t win32ExitCode = 0;
  std::uint32_t serviceSpecificExitCode = 0;
  std::uint32_t checkPoint = 0;
  std::uint32_t waitHint = 0;
};

namespace service {
constexpr std::uint32_t kOwnProcess = 0x10;
constexpr std::uint32_t kStopped = 1;
constexpr std::uint32_t kStopPending = 3;
constexpr std::uint32_t kRunning = 4;
constexpr std::uint32_t kAcceptsStopAndShutdown = 5;
constexpr std::uint32_t kControlStop = 1;
constexpr std::uint32_t kControlShutdown = 5;
constexpr std::uint32_t kServiceSpecificError = 1066;
constexpr std::uint32_t kStopWaitHint = 3000;
}  // namespace service

// Reported right after the control handler is registered: running, before
// the VM exists.
ServiceStatus RunningStatus();

// A control from the service control manager. Stop and shutdown make the
// service stop-pending and return true: the application is to be asked to
// stop. Any other control, and every control once stopped, changes nothing.
bool ApplyControl(ServiceStatus& status, std::uint32_t control);

// The run stage has returned with result: stopped. A failed run stage (a
// result other than 0) is reported as a service-specific error carrying the
// result, so that the service's recovery actions apply.
void ApplyRunEnded(ServiceStatus& status, int result);
