#include "vmhost/java_main_thread.h"

#include "support/messages.h"
#include "support/os.h"
#include "support/trace.h"
#include "vmhost/class_data_archive.h"
#include "vmhost/java_strings.h"
#include "vmhost/output_redirection.h"

namespace {

// What the Java main thread is given.
struct MainThreadCall {
  const VmPlan& plan;
  const VmFunctions& functions;
  JavaVm& vm;
  ReadyEvent& ready;
};

// Output first, so that a failure there is printed on the console's standard
// error; the launch goes on whatever the redirection achieved.
void RedirectConfiguredStreams(JNIEnv* env, const VmPlan& plan) {
  if (!plan.outputFile.empty() && !RedirectStream(env, plan.outputFile, JavaStream::Output))
    DescribePendingException(env);
  if (!plan.errorFile.empty() && !RedirectStream(env, plan.errorFile, JavaStream::Error)) DescribePendingException(env);
}

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
bool InvokeMainClass(JNIEnv* env, const MainThreadCall& call) {
  LocalRef<jclass> type = FindMainClass(env, call.plan.mainClass);
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
  LocalRef<jobjectArray> arguments(env, NewJavaStringArray(env, call.plan.arguments));
  if (!arguments) {
    DescribePendingException(env);
    return false;
  }
  call.ready.signal(call.vm.get());  // secondaryMain and stop may come from now on
  TracePhase(u"until main is entered");
  env->CallStaticVoidMethod(type.get(), main, arguments.get());  // System.exit ends the process in here
  DescribePendingException(env);
  return true;
}

// The Java main thread leaves the VM on every path: a thread that ends while
// attached keeps DestroyJavaVM waiting for it for ever. Where IBM VMs are
// admitted the thread must stay attached, so it destroys the VM itself, which
// waits for the program's other non-daemon threads; teardown then finds no VM.
bool LeaveVm(const MainThreadCall& call) {
  if (call.plan.staysAttached) return call.vm.destroy() == JNI_OK;
  return call.vm.get()->DetachCurrentThread() == JNI_OK;
}

// A VM that refuses the class-data archive's options is created without them:
// the start goes on as without the setting.
JNIEnv* CreateVm(const MainThreadCall& call) {
  JNIEnv* env = nullptr;
  const bool withArchive = call.plan.classData.use != ArchiveUse::None;
  jint status =
      call.vm.create(call.functions, call.plan.options, withArchive ? ClassDataArchive::FinishAtExit : nullptr, env);
  if (status != JNI_OK && withArchive) {
    Trace([] { return std::u16string(u"class data: the VM refused the archive's options"); });
    status = call.vm.create(call.functions, WithoutClassData(call.plan).options, nullptr, env);
  }
  if (status != JNI_OK) {
    ReportError(message::kJniException, {LoadMessage(message::kVmNotCreated), JniReasonText(status)});
    return nullptr;
  }
  return env;
}

int JavaMainThread(void* context) {
  const MainThreadCall& call = *static_cast<const MainThreadCall*>(context);
  JNIEnv* env = CreateVm(call);
  TracePhase(u"VM creation");
  if (!env) return 1;
  RedirectConfiguredStreams(env, call.plan);
  const bool invoked = InvokeMainClass(env, call);
  const bool left = LeaveVm(call);
  return invoked && left ? 0 : 1;
}

}  // namespace

int RunApplication(const VmPlan& plan, const VmFunctions& functions, JavaVm& vm, ReadyEvent& ready) {
  const std::uint32_t stackSize =
      plan.mainThreadStackSize ? plan.mainThreadStackSize : QueryDefaultJavaStackSize(functions);
  MainThreadCall call{plan, functions, vm, ready};
  std::optional<int> exitCode = RunOnNewThread(stackSize, JavaMainThread, &call);
  return exitCode ? *exitCode : JavaMainThread(&call);
}
