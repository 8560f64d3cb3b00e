#include "service/service_status.h"

ServiceStatus RunningStatus() {
  ServiceStatus status;
  status.serviceType = service::kOwnProcess;
  status.currentState = service::kRunning;
  status.controlsAccepted = service::kAcceptsStopAndShutdown;
  return status;
}

bool ApplyControl(ServiceStatus& status, std::uint32_t control) {
  if (status.currentState == service::kStopped) return false;
  if (control != service::kControlStop && control != service::kControlShutdown) return false;
  status.currentState = service::kStopPending;
  status.win32ExitCode = 0;
  status.checkPoint = 0;
  status.waitHint = service::kStopWaitHint;
  return true;
}

void ApplyRunEnded(ServiceStatus& status, int result) {
  status.currentState = service::kStopped;
  if (result == 0) return;
  status.win32ExitCode = service::kServiceSpecificError;
  status.serviceSpecificExitCode = static_cast<std::uint32_t>(result);
}
