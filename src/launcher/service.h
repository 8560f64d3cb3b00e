// Service mode: the process serves the platform's service manager, and the
// service runs the run stage; a stop request calls the application's stop.
#pragma once

#include <mutex>
#include <string>

#include "launcher/service_status.h"

struct Launcher;

// The process's one service object, built by the entry point right after the
// Launcher. The platform's service callbacks carry no context: they reach it
// through CurrentServiceController().
struct ServiceController {
  ServiceController();
  ~ServiceController();
  ServiceController(const ServiceController&) = delete;
  ServiceController& operator=(const ServiceController&) = delete;

  Launcher* owner = nullptr;
  std::u16string serviceName;  // the executable's file name
  ServiceStatus status;        // as last reported
  void* statusHandle = nullptr;
  std::mutex statusLock;  // the control handler and the service main function both report
};

ServiceController& CurrentServiceController();

// Readies the service for the launcher: its name, and the ready event that
// stop requests wait for. Reports and fails when the executable's path cannot
// be read.
bool PrepareService(ServiceController& service, Launcher& launcher);

// Hands the process to the service manager until the service has stopped;
// returns the process's exit code.
int StartServiceDispatcher(ServiceController& service);

// Platform-independent part of a stop request: the application's stop, on a
// thread of its own once main has been entered. False when no thread can be
// started.
bool StartStopThread(const ServiceController& service);
