#include "platform.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace testvm {

struct Monitor::Impl {
  pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
  pthread_cond_t condition = PTHREAD_COND_INITIALIZER;
};

Monitor::Monitor() : impl_(new Impl) {}
Monitor::~Monitor() {
  pthread_cond_destroy(&impl_->condition);
  pthread_mutex_destroy(&impl_->mutex);
  delete impl_;
}
void Monitor::lock() { pthread_mutex_lock(&impl_->mutex); }
void Monitor::unlock() { pthread_mutex_unlock(&impl_->mutex); }
void Monitor::wait() { pthread_cond_wait(&impl_->condition, &impl_->mutex); }
void Monitor::notifyAll() { pthread_cond_broadcast(&impl_->condition); }

namespace platform {

const char* const lineSeparator = "\n";
const std::size_t defaultThreadStackSize = 1024 * 1024;
const char pathSeparator = ':';

bool environment(const char* name, std::string& value) {
  const char* found = std::getenv(name);
  if (!found) return false;
  value = found;
  return true;
}

bool isDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

bool readFile(const std::string& path, std::string& bytes) {
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  bytes.clear();
  char buffer[65536];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<std::size_t>(got));
  close(fd);
  return got == 0;
}

void appendLine(const std::string& path, const std::string& line) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0666);
  if (fd < 0) return;
  writeAll(fd, line + "\n");
  close(fd);
}

Handle standardOutput() { return 1; }
Handle standardError() { return 2; }

bool createFile(const std::string& path, Handle& handle, std::string& reason) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  handle = fd;
  return true;
}

bool writeAll(Handle handle, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t wrote = write(static_cast<int>(handle), bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

std::string platformToUtf8(const std::string& text) { return text; }

namespace {
struct ThreadStart {
  void (*run)(void*);
  void* argument;
};

void* threadMain(void* raw) {
  ThreadStart start = *static_cast<ThreadStart*>(raw);
  delete static_cast<ThreadStart*>(raw);
  start.run(start.argument);
  return nullptr;
}
}  // namespace

bool startThread(void (*run)(void*), void* argument, std::size_t stackSize) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  if (stackSize) pthread_attr_setstacksize(&attributes, stackSize);
  pthread_t thread;
  auto* start = new ThreadStart{run, argument};
  bool started = pthread_create(&thread, &attributes, threadMain, start) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) delete start;
  return started;
}

namespace {
pthread_key_t slotKey() {
  static pthread_key_t key = [] {
    pthread_key_t created;
    pthread_key_create(&created, nullptr);
    return created;
  }();
  return key;
}
}  // namespace

void* threadSlot() { return pthread_getspecific(slotKey()); }

void setThreadSlot(void* value) { pthread_setspecific(slotKey(), value); }

void sleepMillis(long millis) {
  timespec rest{millis / 1000, (millis % 1000) * 1000000L};
  while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
  }
}

std::size_t currentStackSize() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
  std::size_t size = 0;
  pthread_attr_getstacksize(&attributes, &size);
  pthread_attr_destroy(&attributes);
  return size;
}

std::string defaultLibraryPath() {
  // The value Debian's OpenJDK 17 reports on x86_64, after LD_LIBRARY_PATH.
  std::string path =
      "/usr/java/packages/lib:/usr/lib/x86_64-linux-gnu/jni:/lib/x86_64-linux-gnu:"
      "/usr/lib/x86_64-linux-gnu:/usr/lib/jni:/lib:/usr/lib";
  std::string prefix;
  if (environment("LD_LIBRARY_PATH", prefix)) path = prefix + ":" + path;
  return path;
}

}  // namespace platform
}  // namespace testvm
