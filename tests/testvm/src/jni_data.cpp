// The JNIEnv functions for references, strings and arrays.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "classes.h"
#include "exceptions.h"
#include "interfaces.h"
#include "refs.h"
#include "text.h"
#include "threads.h"

namespace testvm {

namespace {

void throwIn(JNIEnv* env, const std::string& className, const std::string& message) {
  throwNew(threadOf(env), className, message);
}

jobject JNICALL NewLocalRef(JNIEnv* env, jobject ref) {
  threadOf(env);
  return localRef(resolve(ref));
}

void JNICALL DeleteLocalRef(JNIEnv* env, jobject ref) {
  threadOf(env);
  deleteRef(ref, RefKind::Local);
}

jobject JNICALL NewGlobalRef(JNIEnv* env, jobject ref) {
  threadOf(env);
  return newRef(resolve(ref), RefKind::Global);
}

void JNICALL DeleteGlobalRef(JNIEnv* env, jobject ref) {
  threadOf(env);
  deleteRef(ref, RefKind::Global);
}

String* stringOf(jstring text) {
  String* string = resolveAs<String>(text, "a String");
  if (!string) fatal("null string passed to a JNI function");
  return string;
}

jstring JNICALL NewString(JNIEnv* env, const jchar* chars, jsize length) {
  threadOf(env);
  return localRef<jstring>(new String(systemClass("java/lang/String"), std::u16string(chars, chars + length)));
}

jstring JNICALL NewStringUTF(JNIEnv* env, const char* bytes) {
  threadOf(env);
  if (!bytes) return nullptr;
  return localRef<jstring>(new String(systemClass("java/lang/String"), fromModifiedUtf8(bytes)));
}

jsize JNICALL GetStringLength(JNIEnv* env, jstring text) {
  threadOf(env);
  return static_cast<jsize>(stringOf(text)->text.size());
}

jsize JNICALL GetStringUTFLength(JNIEnv* env, jstring text) {
  threadOf(env);
  return static_cast<jsize>(toModifiedUtf8(stringOf(text)->text).size());
}

const char* JNICALL GetStringUTFChars(JNIEnv* env, jstring text, jboolean* isCopy) {
  threadOf(env);
  std::string bytes = toModifiedUtf8(stringOf(text)->text);
  auto* copy = static_cast<char*>(std::malloc(bytes.size() + 1));
  std::memcpy(copy, bytes.c_str(), bytes.size() + 1);
  if (isCopy) *isCopy = JNI_TRUE;
  return copy;
}

void JNICALL ReleaseStringUTFChars(JNIEnv* env, jstring text, const char* chars) {
  threadOf(env);
  stringOf(text);
  std::free(const_cast<char*>(chars));
}

const jchar* JNICALL GetStringChars(JNIEnv* env, jstring text, jboolean* isCopy) {
  threadOf(env);
  const std::u16string& chars = stringOf(text)->text;
  auto* copy = static_cast<jchar*>(std::malloc((chars.size() + 1) * sizeof(jchar)));
  std::memcpy(copy, chars.c_str(), (chars.size() + 1) * sizeof(jchar));
  if (isCopy) *isCopy = JNI_TRUE;
  return copy;
}

void JNICALL ReleaseStringChars(JNIEnv* env, jstring text, const jchar* chars) {
  threadOf(env);
  stringOf(text);
  std::free(const_cast<jchar*>(chars));
}

bool validLength(JNIEnv* env, jsize length) {
  if (length >= 0) return true;
  throwIn(env, "java/lang/NegativeArraySizeException", std::to_string(length));
  return false;
}

bool validIndex(JNIEnv* env, jsize index, std::size_t size) {
  if (index >= 0 && static_cast<std::size_t>(index) < size) return true;
  throwIn(env, "java/lang/ArrayIndexOutOfBoundsException",
          "Index " + std::to_string(index) + " out of bounds for length " + std::to_string(size));
  return false;
}

jsize JNICALL GetArrayLength(JNIEnv* env, jarray array) {
  threadOf(env);
  Object* target = resolve(array);
  if (auto* chars = dynamic_cast<CharArray*>(target)) return static_cast<jsize>(chars->chars.size());
  if (auto* objects = dynamic_cast<ObjectArray*>(target)) return static_cast<jsize>(objects->items.size());
  fatal("GetArrayLength of something that is no array");
}

jcharArray JNICALL NewCharArray(JNIEnv* env, jsize length) {
  threadOf(env);
  if (!validLength(env, length)) return nullptr;
  return localRef<jcharArray>(new CharArray(systemClass("[C"), static_cast<std::size_t>(length)));
}

void JNICALL SetCharArrayRegion(JNIEnv* env, jcharArray array, jsize start, jsize length, const jchar* chars) {
  threadOf(env);
  CharArray* target = resolveAs<CharArray>(array, "a char[]");
  if (!target) fatal("SetCharArrayRegion of null");
  long long end = static_cast<long long>(start) + length;
  if (start < 0 || length < 0 || end > static_cast<long long>(target->chars.size())) {
    throwIn(env, "java/lang/ArrayIndexOutOfBoundsException",
            "Array region " + std::to_string(start) + ".." + std::to_string(end) + " out of bounds for length " +
                std::to_string(target->chars.size()));
    return;
  }
  std::copy(chars, chars + length, target->chars.begin() + start);
}

jobjectArray JNICALL NewObjectArray(JNIEnv* env, jsize length, jclass elementClass, jobject initial) {
  threadOf(env);
  Class* element = classOf(elementClass);
  if (!validLength(env, length)) return nullptr;
  return localRef<jobjectArray>(
      new ObjectArray(arrayClass(*element), element, static_cast<std::size_t>(length), resolve(initial)));
}

ObjectArray* objectArrayOf(jobjectArray array) {
  ObjectArray* target = resolveAs<ObjectArray>(array, "an object array");
  if (!target) fatal("null array passed to a JNI function");
  return target;
}

jobject JNICALL GetObjectArrayElement(JNIEnv* env, jobjectArray array, jsize index) {
  threadOf(env);
  ObjectArray* target = objectArrayOf(array);
  if (!validIndex(env, index, target->items.size())) return nullptr;
  return localRef(target->items[static_cast<std::size_t>(index)]);
}

void JNICALL SetObjectArrayElement(JNIEnv* env, jobjectArray array, jsize index, jobject value) {
  threadOf(env);
  ObjectArray* target = objectArrayOf(array);
  Object* item = resolve(value);
  if (!validIndex(env, index, target->items.size())) return;
  if (item && !item->cls->isSubclassOf(target->element)) {
    throwIn(env, "java/lang/ArrayStoreException",
            "type mismatch: can not store " + dotted(item->cls->name) + " to " + dotted(target->element->name) + "[" +
                std::to_string(index) + "]");
    return;
  }
  target->items[static_cast<std::size_t>(index)] = item;
}

}  // namespace

void addDataFunctions(JNINativeInterface_& table) {
  table.NewLocalRef = NewLocalRef;
  table.DeleteLocalRef = DeleteLocalRef;
  table.NewGlobalRef = NewGlobalRef;
  table.DeleteGlobalRef = DeleteGlobalRef;
  table.NewString = NewString;
  table.NewStringUTF = NewStringUTF;
  table.GetStringLength = GetStringLength;
  table.GetStringUTFLength = GetStringUTFLength;
  table.GetStringUTFChars = GetStringUTFChars;
  table.ReleaseStringUTFChars = ReleaseStringUTFChars;
  table.GetStringChars = GetStringChars;
  table.ReleaseStringChars = ReleaseStringChars;
  table.GetArrayLength = GetArrayLength;
  table.NewCharArray = NewCharArray;
  table.SetCharArrayRegion = SetCharArrayRegion;
  table.NewObjectArray = NewObjectArray;
  table.GetObjectArrayElement = GetObjectArrayElement;
  table.SetObjectArrayElement = SetObjectArrayElement;
}

}  // namespace testvm
