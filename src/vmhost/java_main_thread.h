// The Java main thread: creates the VM, redirects output, runs main.
#pragma once

#include "vmhost/ready_event.h"
#include "vmhost/vm_library.h"
#include "vmhost/vm_plan.h"

// Runs the Java main thread (with the plan's stack size, or the VM's default)
// and waits for it: 0 when main was invoked and the thread ended cleanly. The
// ready event is signalled right before main.
int RunApplication(const VmPlan& plan, const VmFunctions& functions, JavaVm& vm, ReadyEvent& ready);
