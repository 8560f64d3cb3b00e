// The one object of a run: built by the entry point before anything else,
// filled step by step, and destroyed when the launch ends, whichever step
// ends it. Its members go in reverse order, and that is the teardown: the VM
// first (DestroyJavaVM returns once the program's last non-daemon thread has
// ended), then the class-data archive the VM wrote, then the single-instance
// channel, so that later starts are still served while those threads run.
#pragma once

#include "instance/single_instance.h"
#include "launcher/runtime_resolution.h"
#include "settings/launcher_settings.h"
#include "support/os.h"
#include "vmhost/application_calls.h"
#include "vmhost/class_data_archive.h"
#include "vmhost/vm_library.h"

struct Launcher {
  Invocation invocation;
  LauncherSettings settings;
  // What our own threads call into (secondaryMain, stop), and the moment
  // main is about to be called.
  ApplicationTarget application;
  SingleInstance instance;
  ChosenRuntime runtime;
  ClassDataArchive classData;  // settled once the VM has ended
  JavaVm vm;
};
