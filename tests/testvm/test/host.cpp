// A tiny launcher for the tests: loads a VM library and carries out the
// commands on its command line one by one, reporting on stdout ("host: ...").
//
//   testvm_host <library> <command>...
//
//   opt <text> | hook vfprintf|exit|abort | ignore | version <hex> | reset
//   create | destroy
//   find <class> | static <name> <signature> | via variadic|v|a
//   call <n> <arg>... (n strings as String[]; "call null" passes a null array;
//                      methods taking no arguments use "call 0")
//   strings new|utf|chars (later strings come from NewString (the default),
//                          NewStringUTF, or a char[] given to new String)
//   string <text> (the text's Java string, read back) | use-deleted
//   rethrow (takes the pending exception and throws it again) | thrownew <class> <message>
//   check | describe | redirect out|err <path>
//   spawn <command>... done (those commands run on a new native thread) | join
//   attach <name>|- | attach-daemon <name>|- | detach | getenv
//   sleep <ms> | unimplemented
#include <jni.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>
#endif

namespace {

using CreateJavaVM = jint(JNICALL*)(JavaVM**, void**, void*);

// Each report is one write, so that output of Java threads cannot split it.
void emit(std::string text) {
#ifdef _WIN32
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
    text.insert(at, 1, '\r');
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
#else
  if (write(1, text.data(), text.size()) < 0) std::exit(102);
#endif
}

std::string formatted(const char* format, va_list arguments) {
  char buffer[4096];
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  return buffer;
}

jint JNICALL vfprintfHook(FILE*, const char* format, va_list arguments) {
  std::string text = "host: vfprintf " + formatted(format, arguments);
  emit(text);
  return static_cast<jint>(text.size());
}

void JNICALL exitHook(jint code) { emit("host: exit hook " + std::to_string(code) + "\n"); }

void JNICALL abortHook() { emit("host: abort hook\n"); }

void report(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  emit("host: " + formatted(format, arguments) + "\n");
  va_end(arguments);
}

void* entryPoint(void* library, const char* name) {
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
#else
  return dlsym(library, name);
#endif
}

class Host {
 public:
  Host(void* library, std::vector<std::string> commands) : library_(library), commands_(std::move(commands)) {}

  void run(std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end;) i = step(i);
  }

  std::size_t size() const { return commands_.size(); }

 private:
  struct Spawned {
    Host* host;
    std::size_t begin;
    std::size_t end;
  };

  const std::string& at(std::size_t i) const {
    if (i >= commands_.size()) {
      std::fprintf(stderr, "host: missing operand\n");
      std::exit(100);
    }
    return commands_[i];
  }

  // Carries out the command at `i`; returns the index of the next one.
  std::size_t step(std::size_t i) {
    const std::string& command = at(i);
    if (command == "opt") return option(at(i + 1), nullptr), i + 2;
    if (command == "hook") {
      const std::string& name = at(i + 1);
      void* hook = name == "vfprintf" ? reinterpret_cast<void*>(vfprintfHook)
                   : name == "exit"   ? reinterpret_cast<void*>(exitHook)
                                      : reinterpret_cast<void*>(abortHook);
      option(name, hook);
      return i + 2;
    }
    if (command == "ignore") return ignore_ = JNI_TRUE, i + 1;
    if (command == "version") return version_ = static_cast<jint>(std::strtol(at(i + 1).c_str(), nullptr, 16)), i + 2;
    if (command == "reset") {
      texts_.clear();
      options_.clear();
      ignore_ = JNI_FALSE;
      return i + 1;
    }
    if (command == "create") return create(), i + 1;
    if (command == "destroy") return report("destroy %d", static_cast<int>(vm_->functions->DestroyJavaVM(vm_))), i + 1;
    if (command == "find") {
      class_ = env_->FindClass(at(i + 1).c_str());
      report("find %s", class_ ? "ok" : "null");
      return i + 2;
    }
    if (command == "static") {
      method_ = env_->GetStaticMethodID(class_, at(i + 1).c_str(), at(i + 2).c_str());
      signature_ = at(i + 2);
      report("static %s", method_ ? "ok" : "null");
      return i + 3;
    }
    if (command == "via") return via_ = at(i + 1), i + 2;
    if (command == "strings") return strings_ = at(i + 1), i + 2;
    if (command == "rethrow") return rethrow(), i + 1;
    if (command == "thrownew") {
      jint status = env_->ThrowNew(env_->FindClass(at(i + 1).c_str()), at(i + 2).c_str());
      report("thrownew %d", static_cast<int>(status));
      return i + 3;
    }
    if (command == "string") return string(at(i + 1)), i + 2;
    if (command == "use-deleted") {
      jstring text = env_->NewStringUTF("gone");
      env_->DeleteLocalRef(text);
      report("length %d", static_cast<int>(env_->GetStringLength(text)));
      return i + 1;
    }
    if (command == "call") return call(i + 1);
    if (command == "check") return report("pending %d", env_->ExceptionCheck() ? 1 : 0), i + 1;
    if (command == "describe") return env_->ExceptionDescribe(), i + 1;
    if (command == "redirect") return redirect(at(i + 1) == "err", at(i + 2)), i + 3;
    if (command == "spawn") {
      std::size_t done = i + 1;
      while (at(done) != "done") ++done;
      spawn(i + 1, done);
      return done + 1;
    }
    if (command == "join") return join(), i + 1;
    if (command == "attach" || command == "attach-daemon") return attach(command == "attach-daemon", at(i + 1)), i + 2;
    if (command == "detach")
      return report("detach %d", static_cast<int>(vm_->functions->DetachCurrentThread(vm_))), i + 1;
    if (command == "getenv") {
      JNIEnv* env = nullptr;
      jint status = vm_->functions->GetEnv(vm_, reinterpret_cast<void**>(&env), JNI_VERSION_1_8);
      report("getenv %d %s", static_cast<int>(status), env && env == env_ ? "same" : env ? "other" : "null");
      return i + 1;
    }
    if (command == "sleep") return sleepMillis(std::atol(at(i + 1).c_str())), i + 2;
    if (command == "unimplemented") return env_->functions->GetSuperclass(env_, class_), i + 1;
    std::fprintf(stderr, "host: unknown command %s\n", command.c_str());
    std::exit(100);
  }

  void option(const std::string& text, void* extraInfo) {
    texts_.push_back(text);
    options_.push_back(JavaVMOption{nullptr, extraInfo});
  }

  void create() {
    for (std::size_t k = 0; k < texts_.size(); ++k) options_[k].optionString = const_cast<char*>(texts_[k].c_str());
    JavaVMInitArgs args{};
    args.version = version_;
    args.nOptions = static_cast<jint>(options_.size());
    args.options = options_.data();
    args.ignoreUnrecognized = ignore_;
    auto create = reinterpret_cast<CreateJavaVM>(entryPoint(library_, "JNI_CreateJavaVM"));
    jint status = create(&vm_, reinterpret_cast<void**>(&env_), &args);
    report("create %d", static_cast<int>(status));
  }

  std::size_t call(std::size_t i) {
    const std::string& count = at(i);
    std::vector<jvalue> args;
    std::size_t next = i + 1;
    if (count == "null") {
      args.push_back(jvalue{});
    } else if (signature_.compare(0, 2, "()") != 0) {
      jsize n = static_cast<jsize>(std::atol(count.c_str()));
      jobjectArray array = env_->NewObjectArray(n, env_->FindClass("java/lang/String"), nullptr);
      for (jsize k = 0; k < n; ++k) {
        jstring string = newString(at(next++));
        env_->SetObjectArrayElement(array, k, string);
        env_->DeleteLocalRef(string);
      }
      jvalue value;
      value.l = array;
      args.push_back(value);
    }
    bool returnsInt = signature_.back() == 'I';
    jint result = 0;
    const jvalue* values = args.data();
    if (via_ == "a") {
      result = returnsInt ? env_->CallStaticIntMethodA(class_, method_, values)
                          : (env_->CallStaticVoidMethodA(class_, method_, values), 0);
    } else if (via_ == "v") {
      result = args.empty() ? callV(returnsInt) : callV(returnsInt, values[0].l);
    } else if (args.empty()) {
      result =
          returnsInt ? env_->CallStaticIntMethod(class_, method_) : (env_->CallStaticVoidMethod(class_, method_), 0);
    } else {
      result = returnsInt ? env_->CallStaticIntMethod(class_, method_, values[0].l)
                          : (env_->CallStaticVoidMethod(class_, method_, values[0].l), 0);
    }
    if (returnsInt)
      report("returned %d", static_cast<int>(result));
    else
      report("returned");
    return next;
  }

  jstring newString(const std::string& utf8) {
    if (strings_ == "utf") return env_->NewStringUTF(utf8.c_str());
    std::u16string text = testvm::fromUtf8(utf8);
    const auto* units = reinterpret_cast<const jchar*>(text.data());
    auto length = static_cast<jsize>(text.size());
    if (strings_ == "new") return env_->NewString(units, length);
    jcharArray chars = env_->NewCharArray(length);
    env_->SetCharArrayRegion(chars, 0, length, units);
    jclass stringClass = env_->FindClass("java/lang/String");
    auto string =
        static_cast<jstring>(env_->NewObject(stringClass, env_->GetMethodID(stringClass, "<init>", "([C)V"), chars));
    env_->DeleteLocalRef(chars);
    return string;
  }

  // Holds the pending exception in a global reference across ExceptionClear.
  void rethrow() {
    jthrowable pending = env_->ExceptionOccurred();
    env_->ExceptionClear();
    jobject held = env_->NewGlobalRef(pending);
    env_->DeleteLocalRef(pending);
    report("occurred error %d throwable %d pending %d", env_->IsInstanceOf(held, env_->FindClass("java/lang/Error")),
           env_->IsInstanceOf(held, env_->FindClass("java/lang/Throwable")), env_->ExceptionCheck());
    env_->Throw(static_cast<jthrowable>(held));
    env_->DeleteGlobalRef(held);
  }

  // Reports the string's lengths, its modified UTF-8 bytes and its UTF-16 units, in hex.
  void string(const std::string& utf8) {
    jstring text = newString(utf8);
    jboolean copied = JNI_FALSE;
    const char* bytes = env_->GetStringUTFChars(text, &copied);
    std::string hexBytes;
    char digits[8];
    for (const char* b = bytes; *b; ++b) {
      std::snprintf(digits, sizeof digits, " %02x", static_cast<unsigned char>(*b));
      hexBytes += digits;
    }
    env_->ReleaseStringUTFChars(text, bytes);
    const jchar* units = env_->GetStringChars(text, nullptr);
    std::string hexUnits;
    for (jsize k = 0; k < env_->GetStringLength(text); ++k) {
      std::snprintf(digits, sizeof digits, " %04x", static_cast<unsigned>(units[k]));
      hexUnits += digits;
    }
    env_->ReleaseStringChars(text, units);
    report("string length %d utf-length %d copied %d utf%s chars%s", static_cast<int>(env_->GetStringLength(text)),
           static_cast<int>(env_->GetStringUTFLength(text)), copied, hexBytes.c_str(), hexUnits.c_str());
  }

  // The va_list forms take their list from a variadic function of ours.
  jint callV(bool returnsInt, ...) {
    va_list list;
    va_start(list, returnsInt);
    jint result = 0;
    if (returnsInt)
      result = env_->CallStaticIntMethodV(class_, method_, list);
    else
      env_->CallStaticVoidMethodV(class_, method_, list);
    va_end(list);
    return result;
  }

  void redirect(bool toErr, const std::string& path) {
    jclass fileClass = env_->FindClass("java/io/FileOutputStream");
    jmethodID openFile = env_->GetMethodID(fileClass, "<init>", "(Ljava/lang/String;)V");
    jobject file = env_->NewObject(fileClass, openFile, env_->NewStringUTF(path.c_str()));
    if (!file) {
      report("redirect failed");
      return;
    }
    jclass printClass = env_->FindClass("java/io/PrintStream");
    jmethodID wrap = env_->GetMethodID(printClass, "<init>", "(Ljava/io/OutputStream;)V");
    jobject stream = env_->NewObject(printClass, wrap, file);
    jclass system = env_->FindClass("java/lang/System");
    jmethodID set = env_->GetStaticMethodID(system, toErr ? "setErr" : "setOut", "(Ljava/io/PrintStream;)V");
    env_->CallStaticVoidMethod(system, set, stream);
    report("redirect ok");
  }

  void attach(bool daemon, const std::string& name) {
    JavaVMAttachArgs args{JNI_VERSION_1_8, name == "-" ? nullptr : const_cast<char*>(name.c_str()), nullptr};
    void** env = reinterpret_cast<void**>(&env_);
    jint status = daemon ? vm_->functions->AttachCurrentThreadAsDaemon(vm_, env, &args)
                         : vm_->functions->AttachCurrentThread(vm_, env, &args);
    report("attach %d", static_cast<int>(status));
  }

  static void sleepMillis(long millis) {
#ifdef _WIN32
    Sleep(static_cast<DWORD>(millis));
#else
    usleep(static_cast<useconds_t>(millis) * 1000);
#endif
  }

  void spawn(std::size_t begin, std::size_t end) {
    // The new thread gets a Host of its own: its JNIEnv and class are its own.
    auto* spawned = new Spawned{new Host(*this), begin, end};
    spawned->host->env_ = nullptr;
#ifdef _WIN32
    threads_.push_back(CreateThread(nullptr, 0, runSpawned, spawned, 0, nullptr));
#else
    pthread_t thread;
    pthread_create(&thread, nullptr, runSpawned, spawned);
    threads_.push_back(thread);
#endif
  }

#ifdef _WIN32
  static DWORD WINAPI runSpawned(void* raw) {
#else
  static void* runSpawned(void* raw) {
#endif
    auto* spawned = static_cast<Spawned*>(raw);
    spawned->host->run(spawned->begin, spawned->end);
    delete spawned->host;
    delete spawned;
    return 0;
  }

  void join() {
    for (auto thread : threads_) {
#ifdef _WIN32
      WaitForSingleObject(thread, INFINITE);
#else
      pthread_join(thread, nullptr);
#endif
    }
    threads_.clear();
  }

  void* library_;
  std::vector<std::string> commands_;
  std::vector<std::string> texts_;
  std::vector<JavaVMOption> options_;
  jint version_ = JNI_VERSION_1_8;
  jboolean ignore_ = JNI_FALSE;
  JavaVM* vm_ = nullptr;
  JNIEnv* env_ = nullptr;
  jclass class_ = nullptr;
  jmethodID method_ = nullptr;
  std::string signature_;
  std::string via_ = "variadic";
  std::string strings_ = "new";
#ifdef _WIN32
  std::vector<HANDLE> threads_;
#else
  std::vector<pthread_t> threads_;
#endif
};

int start(const std::string& library, std::vector<std::string> commands, void* handle) {
  if (!handle) {
    std::fprintf(stderr, "host: cannot load %s\n", library.c_str());
    return 101;
  }
  Host host(handle, std::move(commands));
  host.run(0, host.size());
  return 0;
}

}  // namespace

#ifdef _WIN32
// Options go to the VM in the ANSI code page, as Windows VMs read them;
// program arguments become Java strings from UTF-8.
std::string narrow(const wchar_t* text, UINT codePage) {
  int length = WideCharToMultiByte(codePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text, -1, &result[0], length, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(length) - 1);
  return result;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 100;
  std::vector<std::string> commands;
  for (int i = 2; i < argc; ++i)
    commands.push_back(narrow(argv[i], i > 2 && std::wcscmp(argv[i - 1], L"opt") == 0 ? CP_ACP : CP_UTF8));
  return start(narrow(argv[1], CP_UTF8), commands, LoadLibraryW(argv[1]));
}
#else
int main(int argc, char** argv) {
  if (argc < 2) return 100;
  return start(argv[1], std::vector<std::string>(argv + 2, argv + argc), dlopen(argv[1], RTLD_NOW));
}
#endif
