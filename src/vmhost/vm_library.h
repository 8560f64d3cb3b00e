// The VM library and the VM as a whole: load the library, ask for its default
// stack size, create the VM, destroy it at teardown.
#pragma once

#include <jni.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/text.h"

using CreateJavaVmFunction = jint(JNICALL*)(JavaVM**, void**, void*);
using GetDefaultInitArgsFunction = jint(JNICALL*)(void*);

// The invocation entry points of a loaded VM library.
struct VmFunctions {
  CreateJavaVmFunction createJavaVm = nullptr;
  GetDefaultInitArgsFunction getDefaultInitArgs = nullptr;
};

// Loads the library for good and resolves JNI_CreateJavaVM and
// JNI_GetDefaultJavaVMInitArgs; reports 222, or 202 with 212, on failure.
std::optional<VmFunctions> LoadVmLibrary(const std::u16string& path);

// The library's default Java thread stack size in bytes; 0 when it has none.
std::uint32_t QueryDefaultJavaStackSize(const VmFunctions& functions);

// The process's one Java VM. It is created on the Java main thread and
// destroyed at teardown, or by the Java main thread itself where that thread
// must stay attached; either way through this owner.
class JavaVm {
 public:
  JavaVm() = default;
  ~JavaVm() { destroy(); }
  JavaVm(const JavaVm&) = delete;
  JavaVm& operator=(const JavaVm&) = delete;

  // Creates the VM with the options, in order, on the calling thread, which
  // becomes its main thread; an option the VM does not know fails the
  // creation. The VM calls exitHook, when given, as System.exit ends the
  // process. The VM's status; env is the thread's environment once created.
  jint create(const VmFunctions& functions, const TokenList& options, void(JNICALL* exitHook)(jint), JNIEnv*& env);

  // Null until created, and again once destroyed.
  JavaVM* get() const { return vm_; }

  // Destroys the VM when one exists and returns its status (JNI_OK when there
  // was none). Returns when the program's last non-daemon thread has ended.
  jint destroy();

 private:
  JavaVM* vm_ = nullptr;
  std::vector<std::string> options_;  // the narrow option texts, kept while the VM lives
};
