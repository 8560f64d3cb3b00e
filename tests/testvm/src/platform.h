// What the VM needs from the operating system. Paths and texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace testvm {

// One lock with one condition, broadcast to every waiter.
class Monitor {
 public:
  Monitor();
  ~Monitor();
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;
  void lock();
  void unlock();
  void wait();  // the caller holds the lock
  void notifyAll();

 private:
  struct Impl;
  Impl* impl_;
};

class Locked {
 public:
  explicit Locked(Monitor& monitor) : monitor_(monitor) { monitor_.lock(); }
  ~Locked() { monitor_.unlock(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  Monitor& monitor_;
};

namespace platform {

using Handle = std::intptr_t;

extern const char* const lineSeparator;
extern const char pathSeparator;

bool environment(const char* name, std::string& value);
bool isDirectory(const std::string& path);
bool exists(const std::string& path);
bool readFile(const std::string& path, std::string& bytes);
void appendLine(const std::string& path, const std::string& line);

Handle standardOutput();
Handle standardError();
// Creates or truncates the file; on failure `reason` is the system's text for the error.
bool createFile(const std::string& path, Handle& handle, std::string& reason);
// False when a write fails.
bool writeAll(Handle handle, const std::string& bytes);

// Option strings come in the platform's multi-byte encoding.
std::string platformToUtf8(const std::string& text);

// HotSpot's stack size for the threads a program starts, when -Xss is not given.
extern const std::size_t defaultThreadStackSize;
bool startThread(void (*run)(void*), void* argument, std::size_t stackSize);
// One pointer per native thread. (No thread_local: the dynamic TLS of a loaded
// library trips up AddressSanitizer's leak check once a thread has ended.)
void* threadSlot();
void setThreadSlot(void* value);
void sleepMillis(long millis);
std::size_t currentStackSize();
std::string defaultLibraryPath();

}  // namespace platform
}  // namespace testvm
