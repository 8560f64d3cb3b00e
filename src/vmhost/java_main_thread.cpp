#include "vmhost/java_main_thread.h"

#include "launcher/launcher.h"
#include "support/messages.h"
#include "support/threads.h"
#include "vmhost/java_strings.h"
#include "vmhost/vm_library.h"

namespace {

// Finds the main class by the modified UTF-8 form of its name, which the VM
// itself makes; null, with the reports made, when it cannot be had.
LocalRef<jclass> FindMainClass(JNIEnv* env, const std::u16string& mainClass) {
  LocalRef<jstring> name(env, NewJavaString(env, mainClass));
  if (!name) {
    ReportError(message::kMainClassNotLoaded, {mainClass});
    return LocalRef<jclass>(env, nullptr);
  }
  const char* utf = env->GetStringUTFChars(name.get(), nullptr);
  if (!utf) {
    DescribePendingException(env);
    return LocalRef<jclass>(env, nullptr);
  }
  LocalRef<jclass> type(env, env->FindClass(utf));
  env->ReleaseStringUTFChars(name.get(), utf);
  if (!type) {
    DescribePendingException(env);  // the VM's own account comes first
    ReportError(message::kMainClassNotFound, {mainClass});
  }
  return type;
}

// Calls the main class's static main with the arguments. An exception that
// escapes main is printed and changes nothing else.
bool InvokeMainClass(Launcher& launcher) {
  JNIEnv* env = launcher.jniEnv;
  LocalRef<jclass> type = FindMainClass(env, launcher.settings.mainClass);
  if (!type) return false;
  jmethodID main = env->GetStaticMethodID(type.get(), "main", "([Ljava/lang/String;)V");
  if (!main) {
    // A VM that follows JNI leaves NoSuchMethodError pending, which says more.
    if (ExceptionPending(env))
      env->ExceptionDescribe();
    else
      ReportError(message::kNoMainMethod);
    return false;
  }
  LocalRef<jobjectArray> arguments(env, NewJavaStringArray(env, launcher.arguments));
  if (!arguments) {
    DescribePendingException(env);
    return false;
  }
  launcher.readyEvent.signal(launcher.javaVm);  // secondaryMain and stop may come from now on
  env->CallStaticVoidMethod(type.get(), main, arguments.get());  // System.exit ends the process in here
  DescribePendingException(env);
  return true;
}

// The Java main thread leaves the VM on every path: a thread that ends while
// attached keeps DestroyJavaVM waiting for it for ever. Where IBM VMs are
// admitted the thread must stay attached, so it destroys the VM itself, which
// waits for the program's other non-daemon threads; teardown then finds no VM.
bool LeaveVm(Launcher& launcher) {
  if (launcher.settings.admitsIbm()) {
    jint status = launcher.javaVm->DestroyJavaVM();
    launcher.javaVm = nullptr;
    launcher.jniEnv = nullptr;
    return status == JNI_OK;
  }
  return launcher.javaVm->DetachCurrentThread() == JNI_OK;
}

int JavaMainThread(void* context) {
  Launcher& launcher = *static_cast<Launcher*>(context);
  if (!CreateVm(launcher)) return 1;
  const bool invoked = InvokeMainClass(launcher);
  const bool left = LeaveVm(launcher);
  return invoked && left ? 0 : 1;
}

}  // namespace

int RunApplication(Launcher& launcher) {
  if (launcher.mainThreadStackSize == 0) launcher.mainThreadStackSize = QueryDefaultJavaStackSize(launcher);
  std::optional<int> exitCode = RunOnNewThread(launcher.mainThreadStackSize, JavaMainThread, &launcher);
  return exitCode ? *exitCode : JavaMainThread(&launcher);
}
