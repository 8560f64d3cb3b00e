#include "service/service.h"

#include "support/os.h"
#include "support/paths.h"

namespace {

ServiceController* current = nullptr;

}  // namespace

ServiceController::ServiceController() { current = this; }

ServiceController::~ServiceController() { current = nullptr; }

ServiceController& CurrentServiceController() { return *current; }

void PrepareService(ServiceController& service, const std::u16string& executablePath, ApplicationTarget& application,
                    RunStage runStage) {
  service.serviceName = std::u16string(FileNameOf(executablePath));
  // A stop request that comes before the VM exists waits for main.
  application.ready.create();
  service.application = application;
  service.runStage = std::move(runStage);
}

bool StartStopThread(const ServiceController& service) {
  return StartDetachedThread([target = service.application] { CallStop(target); });
}
