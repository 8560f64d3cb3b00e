// The one VM a process can create.
#pragma once

#include <jni.h>

#include <map>
#include <set>
#include <string>

#include "options.h"
#include "platform.h"

namespace testvm {

struct Class;
struct PrintStream;

struct Vm {
  JavaVM javaVm;
  Options options;
  Monitor monitor;
  // Guarded by the monitor:
  std::map<std::string, Class*> classes;
  std::set<std::string> flags;
  int nonDaemonThreads = 0;
  int threadNumber = 0;
  PrintStream* out = nullptr;
  PrintStream* err = nullptr;
};

// The VM once JNI_CreateJavaVM has succeeded; it outlives DestroyJavaVM so
// that daemon threads can run on.
Vm& vm();

// The JNI versions HotSpot 17 accepts.
bool supportedVersion(jint version);

jint createVm(const JavaVMInitArgs& args, JavaVM** javaVm, JNIEnv** env);
// The created VM, or null before creation and after destruction.
JavaVM* runningVm();
jint destroyVm();

// System.exit: the exit hook if the launcher gave one, then the process ends.
[[noreturn]] void exitVm(jint code);

// One line to the program's current System.out or System.err.
void printLine(bool toErr, const std::string& utf8);

}  // namespace testvm
