// Service mode on Windows: the service control manager's dispatcher, the
// service main function and the control handler.
#include <windows.h>

#include <string>

#include "service/service.h"
#include "support/messages.h"
#include "support/wide_win32.h"

namespace {

static_assert(service::kOwnProcess == SERVICE_WIN32_OWN_PROCESS && service::kStopped == SERVICE_STOPPED &&
                  service::kStopPending == SERVICE_STOP_PENDING && service::kRunning == SERVICE_RUNNING &&
                  service::kAcceptsStopAndShutdown == (SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN) &&
                  service::kControlStop == SERVICE_CONTROL_STOP &&
                  service::kControlShutdown == SERVICE_CONTROL_SHUTDOWN &&
                  service::kServiceSpecificError == ERROR_SERVICE_SPECIFIC_ERROR,
              "the status machine speaks the platform's numbers");

// Called with the status lock held.
bool Report(const ServiceController& service) {
  const ServiceStatus& s = service.status;
  SERVICE_STATUS status{s.serviceType, s.currentState, s.controlsAccepted, s.win32ExitCode, s.serviceSpecificExitCode,
                        s.checkPoint,  s.waitHint};
  return SetServiceStatus(static_cast<SERVICE_STATUS_HANDLE>(service.statusHandle), &status);
}

void WINAPI HandleControl(DWORD control) {
  ServiceController& service = CurrentServiceController();
  std::lock_guard<ThreadLock> lock(service.statusLock);
  const bool stopWanted = ApplyControl(service.status, control);
  if (Report(service) && stopWanted) StartStopThread(service);
}

void WINAPI ServiceMain(DWORD count, LPWSTR* startArguments) {
  ServiceController& service = CurrentServiceController();
  {
    // Held until running is reported: a control that comes meanwhile waits.
    std::lock_guard<ThreadLock> lock(service.statusLock);
    service.statusHandle = RegisterServiceCtrlHandlerW(Wide(service.serviceName), HandleControl);
    if (!service.statusHandle) return;
    service.status = RunningStatus();
    if (!Report(service)) return;
  }
  // The service's name, then the arguments of the start request.
  TokenList arguments;
  for (DWORD k = 0; k < count; ++k) arguments.push_back(FromWide(startArguments[k]));
  const int result = service.runStage(arguments);
  std::lock_guard<ThreadLock> lock(service.statusLock);
  ApplyRunEnded(service.status, result);
  Report(service);
}

}  // namespace

int StartServiceDispatcher(ServiceController& service) {
  std::u16string name = service.serviceName;
  SERVICE_TABLE_ENTRYW table[] = {{WideBuffer(name), ServiceMain}, {nullptr, nullptr}};
  if (!StartServiceCtrlDispatcherW(table)) {
    // Not started by the service control manager but by a person, who sees
    // a box where no console shows the line.
    const auto error = static_cast<std::int32_t>(GetLastError());
    WithholdErrorBoxes(false);
    ReportError(message::kNotStartedAsService, {error});
    return -1;
  }
  return 0;
}
