// The JNIEnv functions that find classes and methods, make objects and call methods.
#include "arguments.h"
#include "classes.h"
#include "exceptions.h"
#include "interfaces.h"
#include "record.h"
#include "refs.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

Method* methodOf(jmethodID id) {
  if (!id) fatal("null method ID passed to a JNI function");
  return reinterpret_cast<Method*>(id);
}

jint JNICALL GetVersion(JNIEnv* env) {
  threadOf(env);
  return JNI_VERSION_10;
}

jclass JNICALL FindClass(JNIEnv* env, const char* name) {
  record(std::string("findclass ") + name);
  return localRef<jclass>(findClass(threadOf(env), name));
}

jmethodID lookUp(JNIEnv* env, jclass clazz, const char* name, const char* signature, bool isStatic) {
  JavaThread& thread = threadOf(env);
  Class* owner = classOf(clazz);
  record(std::string(isStatic ? "getstaticmethodid " : "getmethodid ") + owner->name + " " + name + " " + signature);
  std::string methodName = name;
  if (methodName != "<clinit>") {
    // Constructors belong to their class alone; other methods are inherited.
    for (Class* c = owner; c; c = methodName == "<init>" ? nullptr : c->super)
      if (Method* method = c->find(methodName, signature, isStatic)) return reinterpret_cast<jmethodID>(method);
  }
  bool named = knownSymbol(methodName) && knownSymbol(signature);
  throwNew(
      thread, "java/lang/NoSuchMethodError",
      named ? std::string(isStatic ? "static " : "") + "L" + owner->name + ";." + methodName + signature : methodName);
  return nullptr;
}

jmethodID JNICALL GetMethodID(JNIEnv* env, jclass clazz, const char* name, const char* signature) {
  return lookUp(env, clazz, name, signature, false);
}

jmethodID JNICALL GetStaticMethodID(JNIEnv* env, jclass clazz, const char* name, const char* signature) {
  return lookUp(env, clazz, name, signature, true);
}

// `constructing` tells NewObject from the CallStatic functions, which need a static method.
Result invoke(JNIEnv* env, bool constructing, Class* owner, jmethodID id, const jvalue* args) {
  threadOf(env);
  Method* method = methodOf(id);
  if (constructing ? method->name != "<init>" : !method->isStatic)
    fatal(method->name + " " + method->signature + (constructing ? " is no constructor" : " is no static method"));
  std::string arguments = describeArguments(method->signature, args);
  record(std::string(constructing ? "new " : "call ") + owner->name + " " + method->name + " " + method->signature +
         (arguments.empty() ? "" : " " + arguments));
  return method->body(args);
}

jobject JNICALL NewObjectA(JNIEnv* env, jclass clazz, jmethodID id, const jvalue* args) {
  return localRef(invoke(env, true, classOf(clazz), id, args).object);
}

jobject JNICALL NewObjectV(JNIEnv* env, jclass clazz, jmethodID id, va_list list) {
  return NewObjectA(env, clazz, id, argumentsFrom(methodOf(id)->signature, list).data());
}

jobject JNICALL NewObject(JNIEnv* env, jclass clazz, jmethodID id, ...) {
  va_list list;
  va_start(list, id);
  jobject object = NewObjectV(env, clazz, id, list);
  va_end(list);
  return object;
}

void JNICALL CallStaticVoidMethodA(JNIEnv* env, jclass clazz, jmethodID id, const jvalue* args) {
  invoke(env, false, classOf(clazz), id, args);
}

void JNICALL CallStaticVoidMethodV(JNIEnv* env, jclass clazz, jmethodID id, va_list list) {
  CallStaticVoidMethodA(env, clazz, id, argumentsFrom(methodOf(id)->signature, list).data());
}

void JNICALL CallStaticVoidMethod(JNIEnv* env, jclass clazz, jmethodID id, ...) {
  va_list list;
  va_start(list, id);
  CallStaticVoidMethodV(env, clazz, id, list);
  va_end(list);
}

jint JNICALL CallStaticIntMethodA(JNIEnv* env, jclass clazz, jmethodID id, const jvalue* args) {
  return invoke(env, false, classOf(clazz), id, args).number;
}

jint JNICALL CallStaticIntMethodV(JNIEnv* env, jclass clazz, jmethodID id, va_list list) {
  return CallStaticIntMethodA(env, clazz, id, argumentsFrom(methodOf(id)->signature, list).data());
}

jint JNICALL CallStaticIntMethod(JNIEnv* env, jclass clazz, jmethodID id, ...) {
  va_list list;
  va_start(list, id);
  jint result = CallStaticIntMethodV(env, clazz, id, list);
  va_end(list);
  return result;
}

jclass JNICALL GetObjectClass(JNIEnv* env, jobject object) {
  threadOf(env);
  Object* target = resolve(object);
  if (!target) fatal("GetObjectClass of null");
  return localRef<jclass>(target->cls);
}

jboolean JNICALL IsInstanceOf(JNIEnv* env, jobject object, jclass clazz) {
  threadOf(env);
  Object* target = resolve(object);
  return !target || target->cls->isSubclassOf(classOf(clazz)) ? JNI_TRUE : JNI_FALSE;
}

jint JNICALL GetJavaVM(JNIEnv* env, JavaVM** javaVm) {
  threadOf(env);
  *javaVm = &vm().javaVm;
  return JNI_OK;
}

}  // namespace

void addCallFunctions(JNINativeInterface_& table) {
  table.GetVersion = GetVersion;
  table.FindClass = FindClass;
  table.GetMethodID = GetMethodID;
  table.GetStaticMethodID = GetStaticMethodID;
  table.NewObjectA = NewObjectA;
  table.NewObjectV = NewObjectV;
  table.NewObject = NewObject;
  table.CallStaticVoidMethodA = CallStaticVoidMethodA;
  table.CallStaticVoidMethodV = CallStaticVoidMethodV;
  table.CallStaticVoidMethod = CallStaticVoidMethod;
  table.CallStaticIntMethodA = CallStaticIntMethodA;
  table.CallStaticIntMethodV = CallStaticIntMethodV;
  table.CallStaticIntMethod = CallStaticIntMethod;
  table.GetObjectClass = GetObjectClass;
  table.IsInstanceOf = IsInstanceOf;
  table.GetJavaVM = GetJavaVM;
}

}  // namespace testvm
