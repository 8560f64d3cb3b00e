#include "vm.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "builtins.h"
#include "interfaces.h"
#include "objects.h"
#include "record.h"
#include "threads.h"

namespace testvm {

namespace {

enum class State { None, Running, Destroyed };

State state = State::None;
Vm* theVm = nullptr;

// TESTVM_CREATE_STATUS lets a test make creation fail with any status.
bool forcedStatus(jint& status) {
  std::string text;
  if (!platform::environment("TESTVM_CREATE_STATUS", text)) return false;
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end || value == 0) return false;
  status = static_cast<jint>(value);
  return true;
}

// The property testvm.createWaitFile holds creation back until the file
// exists, so that a test can act while the launcher runs but before the VM exists.
void awaitCreationFile(const Options& options) {
  auto found = options.properties.find("testvm.createWaitFile");
  if (found == options.properties.end() || found->second.empty()) return;
  while (!platform::exists(found->second)) platform::sleepMillis(10);
}

}  // namespace

Vm& vm() { return *theVm; }

bool supportedVersion(jint version) {
  return version == JNI_VERSION_1_2 || version == JNI_VERSION_1_4 || version == JNI_VERSION_1_6 ||
         version == JNI_VERSION_1_8 || version == JNI_VERSION_9 || version == JNI_VERSION_10;
}

jint createVm(const JavaVMInitArgs& args, JavaVM** javaVm, JNIEnv** env) {
  // HotSpot cannot be created again once destroyed, while a failed creation
  // may be retried. Refusals this early leave the launcher's pointers alone.
  if (state == State::Running) return JNI_EEXIST;
  if (state == State::Destroyed) return JNI_ERR;
  *javaVm = nullptr;
  *env = nullptr;
  recordArguments(args);
  if (!supportedVersion(args.version)) return JNI_EVERSION;
  jint status = JNI_OK;
  if (!forcedStatus(status)) {
    auto* candidate = new Vm;
    status = parseOptions(args, candidate->options);
    if (status == JNI_OK) {
      awaitCreationFile(candidate->options);
      candidate->javaVm.functions = invokeFunctions();
      theVm = candidate;
      defineBuiltins(*theVm);
    } else {
      delete candidate;
    }
  }
  if (status != JNI_OK) {
    record("create " + std::to_string(status));
    return status;
  }
  state = State::Running;
  JavaThread* main = attach("main", false);
  record("create 0");
  *javaVm = &theVm->javaVm;
  *env = &main->env;
  return JNI_OK;
}

JavaVM* runningVm() { return state == State::Running ? &theVm->javaVm : nullptr; }

jint destroyVm() {
  if (!currentThread()) attach("DestroyJavaVM", false);
  record("destroy begin");
  awaitLastNonDaemonThread();
  std::fflush(nullptr);
  record("destroy end");
  state = State::Destroyed;
  bind(nullptr);
  return JNI_OK;
}

void exitVm(jint code) {
  record("exit " + std::to_string(code));
  std::fflush(nullptr);
  if (theVm->options.exitHook) theVm->options.exitHook(code);
  std::exit(code);
}

void printLine(bool toErr, const std::string& utf8) {
  Locked lock(theVm->monitor);
  // After System.setOut(null) Java would fail on the print; nothing is printed here either.
  if (PrintStream* stream = toErr ? theVm->err : theVm->out) stream->println(utf8);
}

}  // namespace testvm
