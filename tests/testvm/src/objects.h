// The Java objects a launcher can hold. Objects are never freed: a launcher
// makes a handful, and a collector would only hide reference mistakes.
#pragma once

#include <jni.h>

#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace testvm {

struct Class;
struct JavaThread;
struct ScriptClass;

// Keeps an allocation of the VM reachable for the life of the process, so
// that leak checkers do not report what is never freed on purpose.
void retain(const void* allocation);

struct Object {
  explicit Object(Class* type) : cls(type) { retain(this); }
  virtual ~Object() = default;
  Class* cls;
};

// What a method hands back: an int for "I" methods, the object for constructors.
struct Result {
  jint number = 0;
  Object* object = nullptr;
};

struct Method {
  Class* owner;
  std::string name;
  std::string signature;
  bool isStatic;
  // Arguments arrive as JNI values; a failure leaves an exception pending.
  std::function<Result(const jvalue* args)> body;
};

struct Class : Object {
  enum class State { Loaded, Initializing, Initialized, Failed };

  Class(Class* type, std::string className, Class* superclass)
      : Object(type), name(std::move(className)), super(superclass) {}
  Method* find(const std::string& methodName, const std::string& methodSignature, bool wantStatic) const;
  bool hasMethodNamed(const std::string& methodName) const;
  bool isSubclassOf(const Class* other) const;

  std::string name;  // "java/lang/String"
  Class* super;
  std::vector<Method*> methods;
  State state = State::Initialized;
  const JavaThread* initializer = nullptr;  // while Initializing
  const ScriptClass* script = nullptr;
};

struct String : Object {
  String(Class* type, std::u16string content) : Object(type), text(std::move(content)) {}
  std::u16string text;
};

struct CharArray : Object {
  CharArray(Class* type, std::size_t length) : Object(type), chars(length) {}
  std::vector<jchar> chars;
};

struct ObjectArray : Object {
  ObjectArray(Class* type, Class* elementType, std::size_t length, Object* initial)
      : Object(type), element(elementType), items(length, initial) {}
  Class* element;
  std::vector<Object*> items;
};

struct Throwable : Object {
  using Object::Object;
  std::string toString() const;

  bool hasMessage = false;
  std::u16string message;
  std::vector<std::string> frames;  // "Main.main(Main.java)"
  Throwable* cause = nullptr;
};

// A FileOutputStream, also the one behind the standard streams.
struct FileStream : Object {
  FileStream(Class* type, platform::Handle file) : Object(type), handle(file) {}
  platform::Handle handle;
};

struct PrintStream : Object {
  PrintStream(Class* type, FileStream* target) : Object(type), out(target) {}
  void write(const std::string& bytes) const;
  void println(const std::string& utf8) const;
  FileStream* out;
  mutable bool failed = false;  // what checkError() answers: a write has failed
};

}  // namespace testvm
