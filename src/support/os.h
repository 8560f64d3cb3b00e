// Everything the launcher asks of the operating system in a call or two: the
// process's own invocation, environment, locale and current folder, memory
// figures, threads, dynamic libraries, other programs, the narrow text the VM
// takes, the message catalogue and standard output. One file per platform
// defines them (os_posix.cpp, os_win32.cpp); the feature backends (settings
// file, single instance, service, dialog, registry) have files of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "support/text.h"

using MessageId = std::uint16_t;

// How the process was started: the executable's full path and the arguments
// after it. Read once, at the start of a launch.
struct Invocation {
  std::u16string executablePath;
  TokenList arguments;
};

// Nothing when the executable's path cannot be read; message 202 with text
// 208 and the platform's error code has then been reported.
std::optional<Invocation> ReadInvocation();

// A clock that only goes forward, in nanoseconds from a point of its own.
std::int64_t MonotonicNanoseconds();

// This process's identifier.
std::uint32_t ProcessIdentifier();

// Makes the system's default locale the calling thread's, so that narrow text
// for the VM is converted in the system's code page.
void UseSystemDefaultLocale();

// The variable's whole value, however long; nothing when it is not set.
std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name);
// Sets the variable for this process and the processes it starts.
bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value);

bool SetCurrentFolder(const std::u16string& folder);

// The machine's memory figures that memory options can be given relative to.
struct MemoryStatus {
  std::uint64_t totalPhysical = 0;          // installed physical memory, bytes
  std::uint64_t availableAddressSpace = 0;  // free part of this process's address space, bytes
};
MemoryStatus QueryMemoryStatus();

using ThreadProcedure = int (*)(void* context);

// Runs procedure(context) on a new thread and waits for it without a time
// limit; the result is the procedure's. stackSize is in bytes, 0 meaning the
// platform's default (on Windows the executable's; the size is committed, not
// only reserved). Nothing when the thread cannot be created.
std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context);

// Starts work on a new thread of the platform's default stack size that
// nobody waits for; false when the thread cannot be created.
bool StartDetachedThread(std::function<void()> work);

// Blocks the calling thread for good; the process ends without it.
[[noreturn]] void ParkCallingThread();

// A lock between the threads of this process, for std::lock_guard. Unlike
// std::mutex it throws nothing, so a static Windows image carries none of
// the exception machinery that would come with it.
class ThreadLock {
 public:
  ThreadLock();
  ~ThreadLock();
  ThreadLock(const ThreadLock&) = delete;
  ThreadLock& operator=(const ThreadLock&) = delete;
  void lock();
  void unlock();

 private:
  struct State;  // the platform's lock
  std::unique_ptr<State> state_;
};

// Loads a shared library for good (it is never unloaded); null on failure,
// with the platform's error code in error.
void* LoadDynamicLibrary(const std::u16string& path, int& error);
// Null when the library has no such export, with the error code in error.
void* FindLibraryExport(void* library, const char* name, int& error);

// The machine type of this build, as its images record it.
std::uint16_t OwnMachineType();

// Starts a program with its own path as its only command line, in this
// process's environment and current folder, and optionally waits for it.
struct ProgramRun {
  bool started = false;
  int error = 0;     // the platform's error code when it could not be started
  int exitCode = 0;  // when waited for
};
ProgramRun StartProgram(const std::u16string& path, bool waitForExit);

// The narrow form of texts handed to the VM as C strings: the calling thread's
// ANSI code page on Windows (characters it lacks become its default
// character), UTF-8 elsewhere.
std::string ToVmText(std::u16string_view text);
// Whether the VM reads back from ToVmText exactly the text: on Windows the
// code page has each of its characters (no default or best-fit stand-in).
bool VmTextCarries(std::u16string_view text);
// The short (8.3) form of an existing path, each name that has none kept
// long; nothing when the path cannot be found. Only Windows keeps short names.
std::optional<std::u16string> ShortPathName(const std::u16string& path);

// The catalogue text of id: the executable's string table on Windows, the
// compiled-in table elsewhere; empty for an id without an entry.
std::u16string LoadMessage(MessageId id);

// Writes a line to standard output, or standard error, as one narrow write,
// in text mode where the platform has one, and flushes it.
void WriteStandardOutput(std::u16string_view line);
void WriteStandardError(std::u16string_view line);
