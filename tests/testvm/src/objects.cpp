#include "objects.h"

#include "text.h"

namespace testvm {

void retain(const void* allocation) {
  // Both live on the heap and are never destroyed, so daemon threads may still allocate during exit.
  static auto* lock = new Monitor;
  static auto* retained = new std::vector<const void*>;
  Locked locked(*lock);
  retained->push_back(allocation);
}

Method* Class::find(const std::string& methodName, const std::string& methodSignature, bool wantStatic) const {
  for (Method* method : methods)
    if (method->name == methodName && method->signature == methodSignature && method->isStatic == wantStatic)
      return method;
  return nullptr;
}

bool Class::hasMethodNamed(const std::string& methodName) const {
  for (Method* method : methods)
    if (method->name == methodName) return true;
  return false;
}

bool Class::isSubclassOf(const Class* other) const {
  for (const Class* c = this; c; c = c->super)
    if (c == other) return true;
  return false;
}

std::string Throwable::toString() const {
  std::string text = dotted(cls->name);
  if (hasMessage) text += ": " + toUtf8(message);
  return text;
}

// Unbuffered, like a PrintStream over a FileOutputStream.
void PrintStream::write(const std::string& bytes) const {
  if (!platform::writeAll(out->handle, bytes)) failed = true;
}

void PrintStream::println(const std::string& utf8) const { write(utf8 + platform::lineSeparator); }

}  // namespace testvm
