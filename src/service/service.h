// Service mode: the process serves the platform's service manager, and the
// service runs the run stage; a stop request calls the application's stop.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "service/service_status.h"
#include "support/os.h"
#include "support/text.h"
#include "vmhost/application_calls.h"

// The run stage as the service runs it, given the service's start arguments;
// its result is the run stage's.
using RunStage = std::function<int(const TokenList& startArguments)>;

// The process's one service object, built by the entry point right after the
// Launcher. The platform's service callbacks carry no context: they reach it
// through CurrentServiceController().
struct ServiceController {
  ServiceController();
  ~ServiceController();
  ServiceController(const ServiceController&) = delete;
  ServiceController& operator=(const ServiceController&) = delete;

  std::u16string serviceName;     // the executable's file name
  ApplicationTarget application;  // what a stop request calls
  RunStage runStage;
  ServiceStatus status;  // as last reported
  void* statusHandle = nullptr;
  ThreadLock statusLock;  // the control handler and the service main function both report
};

ServiceController& CurrentServiceController();

// Readies the service for the launch: its name, the ready event that stop
// requests wait for, and the run stage.
void PrepareService(ServiceController& service, const std::u16string& executablePath, ApplicationTarget& application,
                    RunStage runStage);

// Hands the process to the service manager until the service has stopped;
// returns the process's exit code.
int StartServiceDispatcher(ServiceController& service);

// Platform-independent part of a stop request: the application's stop, on a
// thread of its own once main has been entered. False when no thread can be
// started.
bool StartStopThread(const ServiceController& service);
