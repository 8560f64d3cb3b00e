// The JNIEnv functions for pending exceptions.
#include "classes.h"
#include "exceptions.h"
#include "interfaces.h"
#include "refs.h"
#include "text.h"
#include "threads.h"

namespace testvm {

namespace {

jint JNICALL Throw(JNIEnv* env, jthrowable throwable) {
  Throwable* target = resolveAs<Throwable>(throwable, "a Throwable");
  if (!target) fatal("Throw of null");
  threadOf(env).pending = target;
  return JNI_OK;
}

jint JNICALL ThrowNew(JNIEnv* env, jclass clazz, const char* message) {
  JavaThread& thread = threadOf(env);
  Class* type = classOf(clazz);
  if (!type->isSubclassOf(systemClass("java/lang/Throwable"))) return JNI_ERR;
  auto* throwable = new Throwable(type);
  throwable->hasMessage = message != nullptr;
  if (message) throwable->message = fromModifiedUtf8(message);
  thread.pending = throwable;
  return JNI_OK;
}

jthrowable JNICALL ExceptionOccurred(JNIEnv* env) { return localRef<jthrowable>(threadOf(env).pending); }

void JNICALL ExceptionDescribe(JNIEnv* env) { describePending(threadOf(env)); }

void JNICALL ExceptionClear(JNIEnv* env) { threadOf(env).pending = nullptr; }

jboolean JNICALL ExceptionCheck(JNIEnv* env) { return threadOf(env).pending ? JNI_TRUE : JNI_FALSE; }

}  // namespace

void addExceptionFunctions(JNINativeInterface_& table) {
  table.Throw = Throw;
  table.ThrowNew = ThrowNew;
  table.ExceptionOccurred = ExceptionOccurred;
  table.ExceptionDescribe = ExceptionDescribe;
  table.ExceptionClear = ExceptionClear;
  table.ExceptionCheck = ExceptionCheck;
}

}  // namespace testvm
