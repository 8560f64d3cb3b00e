#include "builtins.h"

#include "classes.h"
#include "exceptions.h"
#include "refs.h"
#include "text.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

struct Definition {
  const char* name;
  const char* super;
};

const Definition hierarchy[] = {
    {"java/lang/Object", nullptr},
    {"java/lang/Class", "java/lang/Object"},
    {"java/lang/String", "java/lang/Object"},
    {"java/lang/System", "java/lang/Object"},
    {"[C", "java/lang/Object"},
    {"java/io/OutputStream", "java/lang/Object"},
    {"java/io/FileOutputStream", "java/io/OutputStream"},
    {"java/io/FilterOutputStream", "java/io/OutputStream"},
    {"java/io/PrintStream", "java/io/FilterOutputStream"},
    {"java/lang/Throwable", "java/lang/Object"},
    {"java/lang/Exception", "java/lang/Throwable"},
    {"java/lang/RuntimeException", "java/lang/Exception"},
    {"java/lang/IllegalStateException", "java/lang/RuntimeException"},
    {"java/lang/IllegalArgumentException", "java/lang/RuntimeException"},
    {"java/lang/NullPointerException", "java/lang/RuntimeException"},
    {"java/lang/UnsupportedOperationException", "java/lang/RuntimeException"},
    {"java/lang/ClassCastException", "java/lang/RuntimeException"},
    {"java/lang/NegativeArraySizeException", "java/lang/RuntimeException"},
    {"java/lang/IndexOutOfBoundsException", "java/lang/RuntimeException"},
    {"java/lang/ArrayIndexOutOfBoundsException", "java/lang/IndexOutOfBoundsException"},
    {"java/lang/InterruptedException", "java/lang/Exception"},
    {"java/lang/ReflectiveOperationException", "java/lang/Exception"},
    {"java/lang/ClassNotFoundException", "java/lang/ReflectiveOperationException"},
    {"java/io/IOException", "java/lang/Exception"},
    {"java/io/FileNotFoundException", "java/io/IOException"},
    {"java/lang/Error", "java/lang/Throwable"},
    {"java/lang/LinkageError", "java/lang/Error"},
    {"java/lang/NoClassDefFoundError", "java/lang/LinkageError"},
    {"java/lang/ClassFormatError", "java/lang/LinkageError"},
    {"java/lang/ExceptionInInitializerError", "java/lang/LinkageError"},
    {"java/lang/IncompatibleClassChangeError", "java/lang/LinkageError"},
    {"java/lang/NoSuchMethodError", "java/lang/IncompatibleClassChangeError"},
    {"java/lang/VirtualMachineError", "java/lang/Error"},
    {"java/lang/OutOfMemoryError", "java/lang/VirtualMachineError"},
};

// The frames of a FileOutputStream that cannot open its file, as OpenJDK 17 prints them.
const std::vector<std::string> openFrames = {
    "java.base/java.io.FileOutputStream.open0(Native Method)",
    "java.base/java.io.FileOutputStream.open(FileOutputStream.java:293)",
    "java.base/java.io.FileOutputStream.<init>(FileOutputStream.java:235)",
    "java.base/java.io.FileOutputStream.<init>(FileOutputStream.java:123)",
};

void add(Class* owner, const char* name, const char* signature, bool isStatic,
         std::function<Result(const jvalue*)> body) {
  owner->methods.push_back(new Method{owner, name, signature, isStatic, std::move(body)});
}

Result fail(const std::string& className, std::optional<std::u16string> message, std::vector<std::string> frames = {}) {
  currentThread()->pending = newThrowable(className, std::move(message), std::move(frames));
  return Result{};
}

Result created(Object* object) {
  Result result;
  result.object = object;
  return result;
}

void defineThrowableConstructors(Class* type) {
  add(type, "<init>", "()V", false, [type](const jvalue*) { return created(new Throwable(type)); });
  add(type, "<init>", "(Ljava/lang/String;)V", false, [type](const jvalue* args) {
    auto* throwable = new Throwable(type);
    if (String* message = resolveAs<String>(args[0].l, "a String")) {
      throwable->hasMessage = true;
      throwable->message = message->text;
    }
    return created(throwable);
  });
}

void defineStreams(Vm& v) {
  Class* fileStream = systemClass("java/io/FileOutputStream");
  Class* printStream = systemClass("java/io/PrintStream");
  add(fileStream, "<init>", "(Ljava/lang/String;)V", false, [fileStream](const jvalue* args) {
    String* name = resolveAs<String>(args[0].l, "a String");
    if (!name) return fail("java/lang/NullPointerException", std::nullopt);
    std::string path = toUtf8(name->text);
    platform::Handle handle;
    std::string reason;
    if (!platform::createFile(path, handle, reason))
      return fail("java/io/FileNotFoundException", fromUtf8(path + " (" + reason + ")"), openFrames);
    return created(new FileStream(fileStream, handle));
  });
  add(printStream, "<init>", "(Ljava/io/OutputStream;)V", false, [printStream](const jvalue* args) {
    FileStream* target = resolveAs<FileStream>(args[0].l, "a FileOutputStream");
    if (!target) return fail("java/lang/NullPointerException", u"Null output stream");
    return created(new PrintStream(printStream, target));
  });
  v.out = new PrintStream(printStream, new FileStream(fileStream, platform::standardOutput()));
  v.err = new PrintStream(printStream, new FileStream(fileStream, platform::standardError()));
}

void defineSystem(Vm& v) {
  Class* system = systemClass("java/lang/System");
  for (bool toErr : {false, true}) {
    add(system, toErr ? "setErr" : "setOut", "(Ljava/io/PrintStream;)V", true, [&v, toErr](const jvalue* args) {
      PrintStream* stream = resolveAs<PrintStream>(args[0].l, "a PrintStream");
      Locked lock(v.monitor);
      (toErr ? v.err : v.out) = stream;
      return Result{};
    });
  }
  add(system, "exit", "(I)V", true, [](const jvalue* args) -> Result { exitVm(args[0].i); });
}

}  // namespace

void defineBuiltins(Vm& v) {
  for (const Definition& definition : hierarchy)
    defineClass(definition.name, definition.super ? systemClass(definition.super) : nullptr);
  // The first two were defined before there was a class for classes.
  Class* classClass = systemClass("java/lang/Class");
  systemClass("java/lang/Object")->cls = classClass;
  classClass->cls = classClass;

  Class* object = systemClass("java/lang/Object");
  add(object, "<init>", "()V", false, [object](const jvalue*) { return created(new Object(object)); });
  Class* string = systemClass("java/lang/String");
  add(string, "<init>", "([C)V", false, [string](const jvalue* args) {
    CharArray* chars = resolveAs<CharArray>(args[0].l, "a char[]");
    if (!chars) return fail("java/lang/NullPointerException", std::nullopt);
    return created(new String(string, std::u16string(chars->chars.begin(), chars->chars.end())));
  });
  Class* throwable = systemClass("java/lang/Throwable");
  for (const Definition& definition : hierarchy) {
    Class* type = systemClass(definition.name);
    if (type->isSubclassOf(throwable)) defineThrowableConstructors(type);
  }
  defineStreams(v);
  defineSystem(v);
}

}  // namespace testvm
