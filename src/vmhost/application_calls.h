// The calls our own threads make into the running application: secondaryMain
// for a later start of the executable, stop for the service control manager.
// Each waits until main has been entered, attaches its thread to the VM, finds
// the main class, prints a Java exception left pending and detaches again.
// Where IBM VMs are admitted the thread stays attached instead: as a daemon
// thread that never ends, so that the VM can still be destroyed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vmhost/ready_event.h"

struct Launcher;

// What such a thread needs of the run, copied, so that the thread may outlive it.
struct ApplicationTarget {
  ReadyEvent ready;
  std::u16string mainClass;    // slash form
  bool staysAttached = false;  // IBM VMs admitted
};

// The main class's static stop(), for a stop or shutdown request.
void CallStop(const ApplicationTarget& target);

// The main class's static secondaryMain(String[]), the void form looked up
// first. reply receives the later start's exit code: 0 right before the void
// form runs, the result once the int form has returned. Not called when the
// run stage ends before main, or the thread, the class, the method or the
// argument array cannot be had.
void CallSecondaryMain(const ApplicationTarget& target, const std::vector<std::u16string>& arguments,
                       const std::function<void(int)>& reply);
