#include "vmhost/output_redirection.h"

#include "support/files.h"
#include "support/text.h"
#include "support/trace.h"
#include "vmhost/java_strings.h"

namespace {

// A new object of the class through its constructor of the given signature
// taking one argument; null on failure.
jobject NewObjectOf(JNIEnv* env, const char* className, const char* signature, jobject argument) {
  LocalRef<jclass> type(env, env->FindClass(className));
  if (!type) return nullptr;
  jmethodID constructor = env->GetMethodID(type.get(), "<init>", signature);
  if (!constructor) return nullptr;
  return env->NewObject(type.get(), constructor, argument);
}

}  // namespace

bool RedirectStream(JNIEnv* env, const std::u16string& path, JavaStream stream) {
  // A folder that cannot be made leaves the stream where it is, quietly: the
  // file stream's exception would read as the program's own failure.
  if (const int error = CreateParentDirectories(path)) {
    Trace([&] { return u"no folder for " + path + u" (error " + ToDecimal(error) + u")"; });
    return false;
  }
  LocalRef<jstring> name(env, NewJavaString(env, path));
  if (!name) return false;
  LocalRef<jobject> file(env, NewObjectOf(env, "java/io/FileOutputStream", "(Ljava/lang/String;)V", name.get()));
  if (!file) return false;
  LocalRef<jobject> printer(env, NewObjectOf(env, "java/io/PrintStream", "(Ljava/io/OutputStream;)V", file.get()));
  if (!printer) return false;
  LocalRef<jclass> system(env, env->FindClass("java/lang/System"));
  if (!system) return false;
  jmethodID install = env->GetStaticMethodID(system.get(), stream == JavaStream::Output ? "setOut" : "setErr",
                                             "(Ljava/io/PrintStream;)V");
  if (!install) return false;
  env->CallStaticVoidMethod(system.get(), install, printer.get());
  if (ExceptionPending(env)) {
    env->ExceptionDescribe();
    return false;
  }
  return true;
}
