// The JavaVM functions: threads joining and leaving the VM, and its end.
#include "exceptions.h"
#include "interfaces.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

jint JNICALL DestroyJavaVM(JavaVM*) { return destroyVm(); }

jint attachCurrent(void** env, void* args, bool daemon) {
  JavaThread* thread = currentThread();
  if (!thread) {
    // HotSpot 17 does not look at the version of the attach arguments.
    auto* attachArgs = static_cast<JavaVMAttachArgs*>(args);
    thread = attach(attachArgs ? attachArgs->name : nullptr, daemon);
  }
  *env = &thread->env;
  return JNI_OK;
}

jint JNICALL AttachCurrentThread(JavaVM*, void** env, void* args) { return attachCurrent(env, args, false); }

jint JNICALL AttachCurrentThreadAsDaemon(JavaVM*, void** env, void* args) { return attachCurrent(env, args, true); }

jint JNICALL DetachCurrentThread(JavaVM*) {
  // Detaching a thread that is not attached is no error to HotSpot.
  JavaThread* thread = currentThread();
  if (!thread) return JNI_OK;
  // A pending exception is the thread's uncaught exception.
  reportUncaught(*thread);
  detach(thread);
  return JNI_OK;
}

jint JNICALL GetEnv(JavaVM*, void** env, jint version) {
  *env = nullptr;
  JavaThread* thread = currentThread();
  if (!thread) return JNI_EDETACHED;
  if (version != JNI_VERSION_1_1 && !supportedVersion(version)) return JNI_EVERSION;
  *env = &thread->env;
  return JNI_OK;
}

JNIInvokeInterface_ makeTable() {
  JNIInvokeInterface_ table{};
  table.DestroyJavaVM = DestroyJavaVM;
  table.AttachCurrentThread = AttachCurrentThread;
  table.DetachCurrentThread = DetachCurrentThread;
  table.GetEnv = GetEnv;
  table.AttachCurrentThreadAsDaemon = AttachCurrentThreadAsDaemon;
  return table;
}

}  // namespace

const JNIInvokeInterface_* invokeFunctions() {
  static const JNIInvokeInterface_ table = makeTable();
  return &table;
}

}  // namespace testvm
