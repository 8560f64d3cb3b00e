#include "launcher/service.h"

#include "launcher/launcher.h"
#include "support/detached_thread.h"
#include "support/module_path.h"
#include "support/paths.h"
#include "vmhost/application_calls.h"

namespace {

ServiceController* current = nullptr;

}  // namespace

ServiceController::ServiceController() { current = this; }

ServiceController::~ServiceController() { current = nullptr; }

ServiceController& CurrentServiceController() { return *current; }

bool PrepareService(ServiceController& service, Launcher& launcher) {
  std::u16string modulePath;
  if (!ModulePath(modulePath)) return false;
  service.owner = &launcher;
  service.serviceName = std::u16string(FileNameOf(modulePath));
  // A stop request that comes before the VM exists waits for main.
  launcher.readyEvent.create();
  return true;
}

bool StartStopThread(const ServiceController& service) {
  return StartDetachedThread([target = TargetOf(*service.owner)] { CallStop(target); });
}
