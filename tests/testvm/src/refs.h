// JNI references: a jobject points at a Ref, never at the object itself, so
// that a deleted reference is caught when it is used again.
#pragma once

#include <jni.h>

#include <string>

#include "fatal.h"
#include "objects.h"

namespace testvm {

enum class RefKind { Local, Global };

jobject newRef(Object* object, RefKind kind);
// Deleting a reference of the other kind, or twice, is fatal.
void deleteRef(jobject ref, RefKind kind);
Object* resolve(jobject ref);

// The object behind `ref`, which must be null or a T; `what` names T in the message.
template <class T>
T* resolveAs(jobject ref, const char* what) {
  Object* object = resolve(ref);
  if (!object) return nullptr;
  T* typed = dynamic_cast<T*>(object);
  if (!typed) fatal(std::string("expected ") + what + ", got an object of class " + object->cls->name);
  return typed;
}

// The class behind `clazz`, which must not be null.
inline Class* classOf(jobject clazz) {
  Class* c = resolveAs<Class>(clazz, "a class");
  if (!c) fatal("null class passed to a JNI function");
  return c;
}

template <class J = jobject>
J localRef(Object* object) {
  return static_cast<J>(newRef(object, RefKind::Local));
}

}  // namespace testvm
