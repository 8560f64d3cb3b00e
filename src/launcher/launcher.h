// The one object of a run: built by the entry point before anything else,
// passed by reference to every stage, destroyed just before the process ends.
#pragma once

#include <jni.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/instance_channel.h"
#include "launcher/launcher_settings.h"
#include "launcher/ready_event.h"
#include "runtime/java_version.h"

// The option strings handed to the VM, narrow, in order.
using VmOptionList = std::vector<std::string>;

using CreateJavaVmFunction = jint(JNICALL*)(JavaVM**, void**, void*);
using GetDefaultInitArgsFunction = jint(JNICALL*)(void*);

struct Launcher {
  LauncherSettings settings;
  std::u16string vmLibraryPath;
  JavaVM* javaVm = nullptr;
  JNIEnv* jniEnv = nullptr;  // the Java main thread's only
  JavaVersion runtimeVersion;
  std::vector<std::u16string> arguments;  // handed to the Java main method
  VmOptionList vmOptions;
  std::uint32_t mainThreadStackSize = 0;
  bool runPairedLauncher = false;
  CreateJavaVmFunction createJavaVm = nullptr;
  GetDefaultInitArgsFunction getDefaultInitArgs = nullptr;
  // Single-instance mode: on and set up, and whether this start is the first.
  bool singleInstance = false;
  bool isFirstInstance = false;
  InstanceChannel instanceChannel;
  // Signalled right before main; made for a first instance and for a service.
  ReadyEvent readyEvent;
};
