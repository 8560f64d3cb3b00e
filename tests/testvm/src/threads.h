// Java threads: native threads attached to the VM, each with its JNIEnv and
// its pending exception.
#pragma once

#include <jni.h>

#include <string>

namespace testvm {

struct Throwable;

struct JavaThread {
  JNIEnv env;
  std::string name;
  bool daemon;
  Throwable* pending = nullptr;
};

// The thread attached on the calling native thread, or null.
JavaThread* currentThread();
// The thread `env` belongs to; it must be the calling native thread's.
JavaThread& threadOf(JNIEnv* env);

// Registers a Java thread; null `name` gives the next "Thread-N". It counts as
// alive from here on, so DestroyJavaVM cannot miss a thread that is starting.
JavaThread* newThread(const char* name, bool daemon);
// Makes `thread` the calling native thread's.
void bind(JavaThread* thread);
JavaThread* attach(const char* name, bool daemon);
void detach(JavaThread* thread);

// Blocks until at most one non-daemon thread is left, as HotSpot's DestroyJavaVM does.
void awaitLastNonDaemonThread();

}  // namespace testvm
