// Classes: the built-in ones and those a program's class path defines.
#pragma once

#include <string>

namespace testvm {

struct Class;
struct JavaThread;

// Adds a class to the VM; the caller fills in its methods.
Class* defineClass(const std::string& name, Class* super);
// A built-in class, which must exist.
Class* systemClass(const std::string& name);
// The class of a throwable, defined on first use when the VM does not know it.
Class* throwableClass(const std::string& name);
// The class of arrays of `element`.
Class* arrayClass(const Class& element);

// JNI FindClass: finds, loads and initializes the class. Returns null with an
// exception pending when there is no such class or its initializer failed.
Class* findClass(JavaThread& thread, const std::string& name);

// Whether a method name or signature is known to the VM: HotSpot's lookups
// name the class in their error only when both are.
bool knownSymbol(const std::string& symbol);

}  // namespace testvm
