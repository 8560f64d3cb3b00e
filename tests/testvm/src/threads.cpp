#include "threads.h"

#include "fatal.h"
#include "interfaces.h"
#include "objects.h"
#include "platform.h"
#include "record.h"
#include "vm.h"

namespace testvm {

JavaThread* currentThread() { return static_cast<JavaThread*>(platform::threadSlot()); }

JavaThread& threadOf(JNIEnv* env) {
  JavaThread* current = currentThread();
  if (!current || env != &current->env) fatal("JNIEnv used on a thread it does not belong to");
  return *current;
}

JavaThread* newThread(const char* name, bool daemon) {
  Vm& v = vm();
  auto* thread = new JavaThread{};
  retain(thread);
  thread->env.functions = jniFunctions();
  thread->daemon = daemon;
  Locked lock(v.monitor);
  // Unnamed threads share HotSpot's counter with the threads a program starts.
  thread->name = name ? name : "Thread-" + std::to_string(v.threadNumber++);
  if (!daemon) ++v.nonDaemonThreads;
  record("attach " + thread->name + " daemon=" + (daemon ? "1" : "0"));
  return thread;
}

void bind(JavaThread* thread) { platform::setThreadSlot(thread); }

JavaThread* attach(const char* name, bool daemon) {
  JavaThread* thread = newThread(name, daemon);
  bind(thread);
  return thread;
}

void detach(JavaThread* thread) {
  Vm& v = vm();
  {
    Locked lock(v.monitor);
    if (!thread->daemon) --v.nonDaemonThreads;
    record("detach " + thread->name);
    v.monitor.notifyAll();
  }
  if (currentThread() == thread) bind(nullptr);
}

void awaitLastNonDaemonThread() {
  Vm& v = vm();
  Locked lock(v.monitor);
  while (v.nonDaemonThreads > 1) v.monitor.wait();
}

}  // namespace testvm
