#include "fake_jvm.h"

#include <cstdarg>
#include <cstring>

#include "launcher/launcher.h"
#include "support/text.h"
#include "thread_stack.h"

namespace {

FakeJvm* installed = nullptr;

using Object = FakeJvm::Object;

Object* AsObject(jobject object) { return reinterpret_cast<Object*>(object); }
const FakeJvm::Method& AsMethod(jmethodID method) { return *reinterpret_cast<FakeJvm::Method*>(method); }
std::string Utf8(const Object* object) { return ToUtf8(object->text); }

jint JNICALL DestroyJavaVM(JavaVM*) {
  FakeJvm& jvm = FakeJvm::current();
  jvm.events.push_back("destroy");
  jvm.liveLocalReferencesAtExit = jvm.liveLocalReferences;
  return JNI_OK;
}

jint JNICALL DetachCurrentThread(JavaVM*) {
  FakeJvm& jvm = FakeJvm::current();
  jvm.events.push_back("detach");
  jvm.liveLocalReferencesAtExit = jvm.liveLocalReferences;
  return jvm.detachStatus;
}

jclass JNICALL FindClass(JNIEnv*, const char* name) {
  FakeJvm& jvm = FakeJvm::current();
  if (!jvm.classes.count(name)) {
    jvm.raise("java/lang/NoClassDefFoundError");
    return nullptr;
  }
  return reinterpret_cast<jclass>(jvm.make("class", FromUtf8(name)));
}

jthrowable JNICALL ExceptionOccurred(JNIEnv*) {
  FakeJvm& jvm = FakeJvm::current();
  return jvm.pending ? reinterpret_cast<jthrowable>(jvm.reference(jvm.pending)) : nullptr;
}

void JNICALL ExceptionDescribe(JNIEnv*) {
  FakeJvm& jvm = FakeJvm::current();
  if (!jvm.pending) return;
  jvm.events.push_back("describe " + jvm.pending->type);
  jvm.pending = nullptr;
}

void JNICALL DeleteLocalRef(JNIEnv*, jobject) { --FakeJvm::current().liveLocalReferences; }

jmethodID JNICALL GetMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
  FakeJvm& jvm = FakeJvm::current();
  const std::string owner = Utf8(AsObject(type)), wanted = std::string(name) + signature;
  const bool known = (owner == "java/lang/String" && wanted == "<init>([C)V") ||
                     (owner == "java/io/FileOutputStream" && wanted == "<init>(Ljava/lang/String;)V") ||
                     (owner == "java/io/PrintStream" && wanted == "<init>(Ljava/io/OutputStream;)V");
  if (!known) {
    jvm.raise("java/lang/NoSuchMethodError");
    return nullptr;
  }
  return jvm.method(owner, name, signature);
}

jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass type, const char* name, const char* signature) {
  FakeJvm& jvm = FakeJvm::current();
  const std::string owner = Utf8(AsObject(type)), wanted = std::string(name) + signature;
  const bool isSystem = owner == "java/lang/System";
  const bool known = isSystem ? wanted == "setOut(Ljava/io/PrintStream;)V" || wanted == "setErr(Ljava/io/PrintStream;)V"
                              : wanted == "main([Ljava/lang/String;)V" && jvm.mainMethodExists;
  if (!known) {
    if (isSystem || jvm.missingMethodLeavesError) jvm.raise("java/lang/NoSuchMethodError");
    return nullptr;
  }
  return jvm.method(owner, name, signature);
}

// The C++ forms of the variadic calls hand their arguments on as a va_list.
jobject JNICALL NewObjectV(JNIEnv*, jclass type, jmethodID constructor, va_list arguments) {
  FakeJvm& jvm = FakeJvm::current();
  Object* argument = AsObject(va_arg(arguments, jobject));
  const std::string& made = AsMethod(constructor).type;
  if (made != Utf8(AsObject(type))) return nullptr;
  if (made == "java/io/FileOutputStream" && jvm.unopenableFiles.count(argument->text)) {
    jvm.raise("java/io/FileNotFoundException");
    return nullptr;
  }
  Object* object = jvm.make(made, argument->text);
  object->elements.push_back(argument);
  return reinterpret_cast<jobject>(object);
}

void JNICALL CallStaticVoidMethodV(JNIEnv*, jclass, jmethodID called, va_list arguments) {
  FakeJvm& jvm = FakeJvm::current();
  Object* argument = AsObject(va_arg(arguments, jobject));
  const FakeJvm::Method& method = AsMethod(called);
  if (method.name != "main") {
    // setOut or setErr with a print stream over a file stream
    jvm.events.push_back(method.name + " " + Utf8(argument->elements.at(0)));
    return;
  }
  jvm.events.push_back("main");
  for (const Object* text : argument->elements) jvm.mainArguments.push_back(text->text);
  if (!jvm.mainThrows.empty()) jvm.raise(jvm.mainThrows);
}

const char* JNICALL GetStringUTFChars(JNIEnv*, jstring text, jboolean* isCopy) {
  if (isCopy) *isCopy = JNI_TRUE;
  ++FakeJvm::current().heldUtfChars;
  std::string utf = Utf8(AsObject(text));
  char* copy = new char[utf.size() + 1];
  std::memcpy(copy, utf.c_str(), utf.size() + 1);
  return copy;
}

void JNICALL ReleaseStringUTFChars(JNIEnv*, jstring, const char* chars) {
  --FakeJvm::current().heldUtfChars;
  delete[] chars;
}

jobjectArray JNICALL NewObjectArray(JNIEnv*, jsize length, jclass, jobject initial) {
  Object* array = FakeJvm::current().make("array");
  array->elements.assign(static_cast<size_t>(length), AsObject(initial));
  return reinterpret_cast<jobjectArray>(array);
}

void JNICALL SetObjectArrayElement(JNIEnv*, jobjectArray array, jsize index, jobject value) {
  AsObject(array)->elements.at(static_cast<size_t>(index)) = AsObject(value);
}

jcharArray JNICALL NewCharArray(JNIEnv*, jsize length) {
  Object* array = FakeJvm::current().make("char[]");
  array->text.assign(static_cast<size_t>(length), u'\0');
  return reinterpret_cast<jcharArray>(array);
}

void JNICALL SetCharArrayRegion(JNIEnv*, jcharArray array, jsize start, jsize length, const jchar* chars) {
  std::u16string& text = AsObject(array)->text;
  for (jsize k = 0; k < length; ++k) text.at(static_cast<size_t>(start + k)) = static_cast<char16_t>(chars[k]);
}

jint JNICALL CreateJavaVm(JavaVM** vm, void** env, void* arguments) {
  FakeJvm& jvm = FakeJvm::current();
  const JavaVMInitArgs& init = *static_cast<const JavaVMInitArgs*>(arguments);
  jvm.creation.version = init.version;
  jvm.creation.ignoreUnrecognized = init.ignoreUnrecognized;
  for (jint k = 0; k < init.nOptions; ++k) {
    jvm.creation.options.push_back(init.options[k].optionString);
    jvm.creation.everyExtraInfoNull = jvm.creation.everyExtraInfoNull && !init.options[k].extraInfo;
  }
  jvm.creation.threadStackSize = CurrentThreadStackSize();
  if (jvm.createStatus != JNI_OK) return jvm.createStatus;
  *vm = &jvm.vm;
  *env = &jvm.env;
  return JNI_OK;
}

// Answers as the JNI 1.1 record asks: javaStackSize, the fifth field, lies
// after version, the properties pointer and two more 32-bit fields.
jint JNICALL GetDefaultInitArgs(void* arguments) {
  FakeJvm& jvm = FakeJvm::current();
  const size_t stackSizeOffset = sizeof(void*) == 8 ? 24 : 16;
  auto* bytes = static_cast<unsigned char*>(arguments);
  jvm.defaultArgsRecord.assign(bytes, bytes + stackSizeOffset + sizeof(jint));
  std::memcpy(bytes + stackSizeOffset, &jvm.defaultStackSize, sizeof(jint));
  return JNI_OK;
}

}  // namespace

FakeJvm::FakeJvm() {
  invokeFunctions_.DestroyJavaVM = DestroyJavaVM;
  invokeFunctions_.DetachCurrentThread = DetachCurrentThread;
  nativeFunctions_.FindClass = FindClass;
  nativeFunctions_.ExceptionOccurred = ExceptionOccurred;
  nativeFunctions_.ExceptionDescribe = ExceptionDescribe;
  nativeFunctions_.DeleteLocalRef = DeleteLocalRef;
  nativeFunctions_.GetMethodID = GetMethodID;
  nativeFunctions_.GetStaticMethodID = GetStaticMethodID;
  nativeFunctions_.NewObjectV = NewObjectV;
  nativeFunctions_.CallStaticVoidMethodV = CallStaticVoidMethodV;
  nativeFunctions_.GetStringUTFChars = GetStringUTFChars;
  nativeFunctions_.ReleaseStringUTFChars = ReleaseStringUTFChars;
  nativeFunctions_.NewObjectArray = NewObjectArray;
  nativeFunctions_.SetObjectArrayElement = SetObjectArrayElement;
  nativeFunctions_.NewCharArray = NewCharArray;
  nativeFunctions_.SetCharArrayRegion = SetCharArrayRegion;
  vm.functions = &invokeFunctions_;
  env.functions = &nativeFunctions_;
  installed = this;
}

FakeJvm::~FakeJvm() { installed = nullptr; }

FakeJvm& FakeJvm::current() { return *installed; }

void FakeJvm::install(Launcher& launcher) {
  launcher.createJavaVm = CreateJavaVm;
  launcher.getDefaultInitArgs = GetDefaultInitArgs;
}

FakeJvm::Object* FakeJvm::make(std::string type, std::u16string text) {
  objects_.push_back(Object{std::move(type), std::move(text), {}});
  return reference(&objects_.back());
}

FakeJvm::Object* FakeJvm::reference(Object* object) {
  ++liveLocalReferences;
  return object;
}

jmethodID FakeJvm::method(const std::string& type, const char* name, const char* signature) {
  methods_.push_back(Method{type, name, signature});
  return reinterpret_cast<jmethodID>(&methods_.back());
}

void FakeJvm::raise(const std::string& type) {
  objects_.push_back(Object{type, {}, {}});
  pending = &objects_.back();
}
