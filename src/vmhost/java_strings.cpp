#include "vmhost/java_strings.h"

namespace {

struct StringClass {
  LocalRef<jclass> type;
  jmethodID fromChars;
};

// java.lang.String and its constructor String(char[]); type null on failure.
StringClass FindStringClass(JNIEnv* env) {
  LocalRef<jclass> type(env, env->FindClass("java/lang/String"));
  if (!type) return {std::move(type), nullptr};
  jmethodID fromChars = env->GetMethodID(type.get(), "<init>", "([C)V");
  if (!fromChars) return {LocalRef<jclass>(env, nullptr), nullptr};
  return {std::move(type), fromChars};
}

jstring NewString(JNIEnv* env, const StringClass& string, std::u16string_view text) {
  const jsize length = static_cast<jsize>(text.size());
  LocalRef<jcharArray> chars(env, env->NewCharArray(length));
  if (!chars) return nullptr;
  env->SetCharArrayRegion(chars.get(), 0, length, reinterpret_cast<const jchar*>(text.data()));
  if (ExceptionPending(env)) return nullptr;
  return static_cast<jstring>(env->NewObject(string.type.get(), string.fromChars, chars.get()));
}

}  // namespace

bool ExceptionPending(JNIEnv* env) { return static_cast<bool>(LocalRef<jthrowable>(env, env->ExceptionOccurred())); }

void DescribePendingException(JNIEnv* env) {
  if (ExceptionPending(env)) env->ExceptionDescribe();
}

jstring NewJavaString(JNIEnv* env, std::u16string_view text) {
  StringClass string = FindStringClass(env);
  if (!string.type) return nullptr;
  return NewString(env, string, text);
}

jobjectArray NewJavaStringArray(JNIEnv* env, const std::vector<std::u16string>& texts) {
  StringClass string = FindStringClass(env);
  if (!string.type) return nullptr;
  LocalRef<jobjectArray> array(env, env->NewObjectArray(static_cast<jsize>(texts.size()), string.type.get(), nullptr));
  if (!array) return nullptr;
  for (size_t index = 0; index < texts.size(); ++index) {
    LocalRef<jstring> text(env, NewString(env, string, texts[index]));
    if (!text) return nullptr;
    env->SetObjectArrayElement(array.get(), static_cast<jsize>(index), text.get());
  }
  return array.release();
}
