// Java strings and string arrays made from our UTF-16 texts, the owner of JNI
// local references, and the test for a pending Java exception.
#pragma once

#include <jni.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Deletes a local reference with the environment that made it, so that no
// early return leaves one behind.
template <typename Reference>
class LocalRef {
 public:
  LocalRef(JNIEnv* env, Reference reference) : env_(env), reference_(reference) {}
  ~LocalRef() {
    if (reference_) env_->DeleteLocalRef(reference_);
  }
  LocalRef(LocalRef&& other) noexcept : env_(other.env_), reference_(std::exchange(other.reference_, nullptr)) {}
  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;
  LocalRef& operator=(LocalRef&&) = delete;

  Reference get() const { return reference_; }
  Reference release() { return std::exchange(reference_, nullptr); }
  explicit operator bool() const { return reference_ != nullptr; }

 private:
  JNIEnv* env_;
  Reference reference_;
};

// Whether a Java exception is pending (ExceptionOccurred, whose reference is released).
bool ExceptionPending(JNIEnv* env);
// Prints a pending exception with ExceptionDescribe, which also clears it.
void DescribePendingException(JNIEnv* env);

// A new java.lang.String of the UTF-16 code units as they are; null, with any
// Java exception left pending, when it cannot be made.
jstring NewJavaString(JNIEnv* env, std::u16string_view text);

// A new String[] of the texts in order (length 0 for none); null, with any
// Java exception left pending, when it cannot be made.
jobjectArray NewJavaStringArray(JNIEnv* env, const std::vector<std::u16string>& texts);
