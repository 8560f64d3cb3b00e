#include <dlfcn.h>
#include <elf.h>
#include <errno.h>
#include <limits.h>
#include <pthread.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>

#include "support/elf_image_posix.h"
#include "support/files.h"
#include "support/message_catalogue.h"
#include "support/messages.h"
#include "support/os.h"

extern char** environ;

namespace {

// readlink gives no length up front: the buffer grows until the path fits.
std::optional<std::u16string> ExecutablePath() {
  for (size_t capacity = 256;; capacity *= 2) {
    std::string buffer(capacity, '\0');
    ssize_t length = readlink("/proc/self/exe", buffer.data(), capacity);
    if (length < 0) {
      ReportError(message::kWindowsException, {LoadMessage(message::kModulePathFailed), errno});
      return std::nullopt;
    }
    if (static_cast<size_t>(length) < capacity) {
      buffer.resize(static_cast<size_t>(length));
      return FromUtf8(buffer);
    }
  }
}

// The arguments as the process received them, each ended by a NUL.
TokenList CommandLineArguments() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  TokenList arguments = SplitText(FromUtf8(content), std::u16string(1, u'\0'));
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return arguments;
}

// The address space this process uses now, from the first figure of statm.
std::uint64_t UsedAddressSpace() {
  std::uint64_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

struct ThreadCall {
  ThreadProcedure procedure;
  void* context;
  int result = 0;
};

void* ThreadStart(void* parameter) {
  ThreadCall& call = *static_cast<ThreadCall*>(parameter);
  call.result = call.procedure(call.context);
  return nullptr;
}

void* RunWork(void* parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return nullptr;
}

}  // namespace

std::optional<Invocation> ReadInvocation() {
  std::optional<std::u16string> path = ExecutablePath();
  if (!path) return std::nullopt;
  return Invocation{std::move(*path), CommandLineArguments()};
}

std::int64_t MonotonicNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

std::uint32_t ProcessIdentifier() { return static_cast<std::uint32_t>(getpid()); }

// Text for the VM is UTF-8 here whatever the locale.
void UseSystemDefaultLocale() {}

std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name) {
  const char* value = getenv(ToUtf8(name).c_str());
  if (!value) return std::nullopt;
  return FromUtf8(value);
}

bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  return setenv(ToUtf8(name).c_str(), ToUtf8(value).c_str(), 1) == 0;
}

bool SetCurrentFolder(const std::u16string& folder) { return chdir(ToUtf8(folder).c_str()) == 0; }

// The free address space is the headroom under RLIMIT_AS; without such a
// limit physical memory is the useful bound, as a 64-bit address space is not.
MemoryStatus QueryMemoryStatus() {
  MemoryStatus status;
  struct sysinfo info {};
  if (sysinfo(&info) == 0) status.totalPhysical = static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
  struct rlimit limit {};
  if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    status.availableAddressSpace = status.totalPhysical;
  } else {
    std::uint64_t used = UsedAddressSpace();
    status.availableAddressSpace = limit.rlim_cur > used ? limit.rlim_cur - used : 0;
  }
  return status;
}

std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return std::nullopt;
  // A size below the platform's minimum cannot be had; the minimum comes closest.
  if (stackSize != 0) pthread_attr_setstacksize(&attributes, std::max<size_t>(stackSize, PTHREAD_STACK_MIN));
  ThreadCall call{procedure, context};
  pthread_t thread;
  int created = pthread_create(&thread, &attributes, ThreadStart, &call);
  pthread_attr_destroy(&attributes);
  if (created != 0) return std::nullopt;
  pthread_join(thread, nullptr);
  return call.result;
}

bool StartDetachedThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  pthread_t thread;
  if (pthread_create(&thread, nullptr, RunWork, owned.get()) != 0) return false;
  owned.release();  // the thread's now
  pthread_detach(thread);
  return true;
}

void ParkCallingThread() {
  for (;;) pause();
}

struct ThreadLock::State {
  std::mutex mutex;
};

ThreadLock::ThreadLock() : state_(std::make_unique<State>()) {}
ThreadLock::~ThreadLock() = default;
void ThreadLock::lock() { state_->mutex.lock(); }
void ThreadLock::unlock() { state_->mutex.unlock(); }

// dlopen reports through dlerror() text, not a number; errno is the closest
// code there is (ENOENT for a missing file, ENOEXEC-like values otherwise).
void* LoadDynamicLibrary(const std::u16string& path, int& error) {
  {
    const MappedFile image(path);
    if (!ElfImageIsWhole(image.view(), image.size())) {
      error = ENOEXEC;
      return nullptr;
    }
  }
  errno = 0;
  void* library = dlopen(ToUtf8(path).c_str(), RTLD_NOW | RTLD_GLOBAL);
  error = library ? 0 : (errno ? errno : ENOEXEC);
  return library;
}

void* FindLibraryExport(void* library, const char* name, int& error) {
  dlerror();
  void* address = dlsym(library, name);
  error = address ? 0 : ENOENT;
  return address;
}

std::uint16_t OwnMachineType() {
#if defined(__x86_64__)
  return EM_X86_64;
#elif defined(__i386__)
  return EM_386;
#elif defined(__aarch64__)
  return EM_AARCH64;
#else
#error "the machine type of this build is not known"
#endif
}

ProgramRun StartProgram(const std::u16string& path, bool waitForExit) {
  ProgramRun run;
  std::string program = ToUtf8(path);
  char* argv[] = {program.data(), nullptr};
  pid_t child = 0;
  run.error = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ);
  run.started = run.error == 0;
  if (!run.started || !waitForExit) return run;
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // A program ended by a signal gives what a shell would report for it.
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

std::string ToVmText(std::u16string_view text) { return ToUtf8(text); }

bool VmTextCarries(std::u16string_view) { return true; }

std::optional<std::u16string> ShortPathName(const std::u16string&) { return std::nullopt; }

std::u16string LoadMessage(MessageId id) {
  const char16_t* text = FindCatalogueText(id);
  return text ? std::u16string(text) : std::u16string();
}

namespace {

void WriteLine(std::FILE* stream, std::u16string_view line) {
  const std::string narrow = ToUtf8(line);
  std::fwrite(narrow.data(), 1, narrow.size(), stream);
  std::fflush(stream);
}

}  // namespace

void WriteStandardOutput(std::u16string_view line) { WriteLine(stdout, line); }

void WriteStandardError(std::u16string_view line) { WriteLine(stderr, line); }
