// An in-process stand-in for a VM library: its two entry points, the
// invocation functions and the JNI functions that the VM-hosting stages call,
// with the JNI specification's behaviour for what they need (pending
// exceptions, NoClassDefFoundError, NoSuchMethodError). Each test scripts the
// Java side and reads back what the stages did. One fake at a time.
#pragma once

#include <jni.h>

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

struct Launcher;

class FakeJvm {
 public:
  FakeJvm();
  ~FakeJvm();

  // Points the launcher's entry points at this fake.
  void install(Launcher& launcher);

  // The script.
  std::set<std::string> classes{"java/lang/String", "java/io/FileOutputStream", "java/io/PrintStream",
                                "java/lang/System", "app/Main"};
  bool mainMethodExists = true;
  bool missingMethodLeavesError = true;  // as JNI has it; false plays a VM that leaves none
  std::string mainThrows;                // class of an exception that main throws; empty: main returns
  std::set<std::u16string> unopenableFiles;  // FileOutputStream throws FileNotFoundException
  jint createStatus = JNI_OK;
  jint detachStatus = JNI_OK;
  jint defaultStackSize = 0;  // what JNI_GetDefaultJavaVMInitArgs reports

  // What happened.
  struct Creation {
    jint version = 0;
    jboolean ignoreUnrecognized = JNI_TRUE;
    std::vector<std::string> options;
    bool everyExtraInfoNull = true;
    std::uint64_t threadStackSize = 0;  // of the thread that created the VM
  };
  Creation creation;
  std::vector<std::string> events;  // in order: "describe <class>", "main", "setOut <path>", "detach", ...
  std::vector<std::u16string> mainArguments;
  std::vector<unsigned char> defaultArgsRecord;  // the record as JNI_GetDefaultJavaVMInitArgs received it
  int liveLocalReferences = 0;
  int liveLocalReferencesAtExit = -1;  // when the main thread detached or destroyed the VM
  int heldUtfChars = 0;

  // Internals, reached by the JNI functions.
  struct Object {
    std::string type;
    std::u16string text;  // class name, string value or file path
    std::vector<Object*> elements;
  };
  struct Method {
    std::string type, name, signature;
  };
  static FakeJvm& current();
  Object* make(std::string type, std::u16string text = {});
  Object* reference(Object* object);
  jmethodID method(const std::string& type, const char* name, const char* signature);
  void raise(const std::string& type);
  Object* pending = nullptr;
  JavaVM vm;
  JNIEnv env;

 private:
  JNIInvokeInterface_ invokeFunctions_{};
  JNINativeInterface_ nativeFunctions_{};
  std::deque<Object> objects_;
  std::deque<Method> methods_;
};
