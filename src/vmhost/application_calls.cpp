#include "vmhost/application_calls.h"

#include "support/os.h"
#include "vmhost/java_strings.h"

namespace {

// Runs call with the main class on the calling thread, attached to the VM
// once main has been entered, then prints a Java exception left pending and
// detaches. Nothing happens when main was never reached or the thread cannot
// attach. A thread that must stay attached (IBM VMs admitted) attaches as a
// daemon and never ends: one that ended attached, or lived on as a non-daemon
// thread, would keep DestroyJavaVM waiting for ever.
template <typename Call>
void WithMainClass(const ApplicationTarget& target, Call call) {
  JavaVM* vm = target.ready.wait();
  if (!vm) return;
  JNIEnv* env = nullptr;
  void** envSlot = reinterpret_cast<void**>(&env);
  const jint attached = target.staysAttached ? vm->AttachCurrentThreadAsDaemon(envSlot, nullptr)
                                             : vm->AttachCurrentThread(envSlot, nullptr);
  if (attached != JNI_OK) return;
  {
    LocalRef<jclass> type(env, env->FindClass(ToVmText(target.mainClass).c_str()));
    if (type) call(env, type.get());
    DescribePendingException(env);
  }
  if (target.staysAttached) ParkCallingThread();
  vm->DetachCurrentThread();
}

}  // namespace

void CallStop(const ApplicationTarget& target) {
  WithMainClass(target, [](JNIEnv* env, jclass type) {
    jmethodID stop = env->GetStaticMethodID(type, "stop", "()V");
    if (stop) env->CallStaticVoidMethod(type, stop);
  });
}

void CallSecondaryMain(const ApplicationTarget& target, const std::vector<std::u16string>& arguments,
                       const std::function<void(int)>& reply) {
  WithMainClass(target, [&](JNIEnv* env, jclass type) {
    jmethodID method = env->GetStaticMethodID(type, "secondaryMain", "([Ljava/lang/String;)V");
    const bool returnsInt = !method;
    if (returnsInt) {
      env->ExceptionClear();  // the void form's NoSuchMethodError
      method = env->GetStaticMethodID(type, "secondaryMain", "([Ljava/lang/String;)I");
      if (!method) return;
    }
    LocalRef<jobjectArray> array(env, NewJavaStringArray(env, arguments));
    if (!array) return;
    if (returnsInt) {
      reply(env->CallStaticIntMethod(type, method, array.get()));
    } else {
      reply(0);  // the later start is let go before secondaryMain runs
      env->CallStaticVoidMethod(type, method, array.get());
    }
  });
}
