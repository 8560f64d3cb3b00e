#include "classes.h"

#include <memory>

#include "classpath.h"
#include "exceptions.h"
#include "fatal.h"
#include "interpreter.h"
#include "objects.h"
#include "script.h"
#include "text.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

// The frames of the ClassNotFoundException behind a failed FindClass, as OpenJDK 17 prints them.
const std::vector<std::string> loaderFrames = {
    "java.base/jdk.internal.loader.BuiltinClassLoader.loadClass(BuiltinClassLoader.java:641)",
    "java.base/jdk.internal.loader.ClassLoaders$AppClassLoader.loadClass(ClassLoaders.java:188)",
    "java.base/java.lang.ClassLoader.loadClass(ClassLoader.java:525)",
};

// Symbols every JDK holds, whatever the program's classes are.
const char* const jdkSymbols[] = {"main",
                                  "stop",
                                  "run",
                                  "start",
                                  "close",
                                  "exit",
                                  "toString",
                                  "<init>",
                                  "()V",
                                  "([Ljava/lang/String;)V",
                                  "(Ljava/lang/String;)V",
                                  "()Ljava/lang/String;",
                                  "(I)V",
                                  "()I"};

Class* lookupLocked(Vm& v, const std::string& name) {
  auto found = v.classes.find(name);
  return found == v.classes.end() ? nullptr : found->second;
}

Class* defineLocked(Vm& v, const std::string& name, Class* super) {
  auto* c = new Class(lookupLocked(v, "java/lang/Class"), name, super);
  v.classes[name] = c;
  return c;
}

Class* lookup(const std::string& name) {
  Vm& v = vm();
  Locked lock(v.monitor);
  return lookupLocked(v, name);
}

void throwNotFound(JavaThread& thread, const std::string& name) {
  Throwable* cause = newThrowable("java/lang/ClassNotFoundException", fromUtf8(dotted(name)), loaderFrames);
  thread.pending = newThrowable("java/lang/NoClassDefFoundError", fromUtf8(name), {}, cause);
}

Class* load(JavaThread& thread, const std::string& name) {
  Vm& v = vm();
  std::string text;
  // A dotted name is no binary name: HotSpot finds nothing for it.
  if (name.find('.') != std::string::npos || !findClassScript(v.options.properties["java.class.path"], name, text)) {
    throwNotFound(thread, name);
    return nullptr;
  }
  auto script = std::make_unique<ScriptClass>();
  std::string error;
  if (!parseScript(text, *script, error)) {
    throwNew(thread, "java/lang/ClassFormatError", name + ": " + error);
    return nullptr;
  }
  Class* object = lookup("java/lang/Object");
  Locked lock(v.monitor);
  if (Class* raced = lookupLocked(v, name)) return raced;
  Class* c = defineLocked(v, name, object);
  c->script = script.release();
  c->state = Class::State::Loaded;
  for (const ScriptMethod& method : c->script->methods) {
    const ScriptMethod* body = &method;
    c->methods.push_back(new Method{c, method.name, method.signature, true,
                                    [c, body](const jvalue* args) { return runScript(*c, *body, args); }});
  }
  return c;
}

// Runs the static initializer once; a failed class stays failed.
bool initialize(JavaThread& thread, Class& c) {
  Vm& v = vm();
  {
    Locked lock(v.monitor);
    while (c.state == Class::State::Initializing && c.initializer != &thread) v.monitor.wait();
    if (c.state == Class::State::Initialized || c.state == Class::State::Initializing) return true;
    if (c.state == Class::State::Loaded) {
      c.state = Class::State::Initializing;
      c.initializer = &thread;
    }
  }
  if (c.state == Class::State::Failed) {
    throwNew(thread, "java/lang/NoClassDefFoundError", "Could not initialize class " + dotted(c.name));
    return false;
  }
  if (Method* initializer = c.find("<clinit>", "()V", true)) initializer->body(nullptr);
  Throwable* failure = thread.pending;
  if (failure && !failure->cls->isSubclassOf(systemClass("java/lang/Error")))
    thread.pending = newThrowable("java/lang/ExceptionInInitializerError", std::nullopt, {}, failure);
  Locked lock(v.monitor);
  c.state = failure ? Class::State::Failed : Class::State::Initialized;
  v.monitor.notifyAll();
  return !failure;
}

}  // namespace

Class* defineClass(const std::string& name, Class* super) {
  Vm& v = vm();
  Locked lock(v.monitor);
  return defineLocked(v, name, super);
}

Class* systemClass(const std::string& name) {
  Class* c = lookup(name);
  if (!c) fatal("no built-in class " + name);
  return c;
}

Class* throwableClass(const std::string& name) {
  Vm& v = vm();
  Locked lock(v.monitor);
  if (Class* c = lookupLocked(v, name)) return c;
  return defineLocked(v, name, lookupLocked(v, "java/lang/RuntimeException"));
}

Class* arrayClass(const Class& element) {
  std::string name = "[" + (element.name[0] == '[' ? element.name : "L" + element.name + ";");
  Vm& v = vm();
  Locked lock(v.monitor);
  if (Class* c = lookupLocked(v, name)) return c;
  return defineLocked(v, name, lookupLocked(v, "java/lang/Object"));
}

Class* findClass(JavaThread& thread, const std::string& name) {
  Class* c = lookup(name);
  if (!c) c = load(thread, name);
  if (!c || !initialize(thread, *c)) return nullptr;
  return c;
}

bool knownSymbol(const std::string& symbol) {
  for (const char* known : jdkSymbols)
    if (symbol == known) return true;
  Vm& v = vm();
  Locked lock(v.monitor);
  for (const auto& entry : v.classes)
    for (const Method* method : entry.second->methods)
      if (method->name == symbol || method->signature == symbol) return true;
  return false;
}

}  // namespace testvm
