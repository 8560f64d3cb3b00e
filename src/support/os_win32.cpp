#include <windows.h>

#include <io.h>

#include <cstdio>
#include <memory>

#include "support/handles_win32.h"
#include "support/messages.h"
#include "support/os.h"
#include "support/wide_win32.h"

namespace {

// A cut path would name another settings file, so the buffer grows until the
// whole path fits.
std::optional<std::u16string> ExecutablePath() {
  for (DWORD capacity = MAX_PATH;; capacity *= 2) {
    std::u16string buffer(capacity, u'\0');
    DWORD length = GetModuleFileNameW(nullptr, WideBuffer(buffer), capacity);
    if (length == 0) {
      ReportError(message::kWindowsException,
                  {LoadMessage(message::kModulePathFailed), static_cast<std::int32_t>(GetLastError())});
      return std::nullopt;
    }
    if (length < capacity) return buffer.substr(0, length);
  }
}

struct ThreadCall {
  ThreadProcedure procedure;
  void* context;
};

DWORD WINAPI ThreadStart(LPVOID parameter) {
  const ThreadCall& call = *static_cast<const ThreadCall*>(parameter);
  return static_cast<DWORD>(call.procedure(call.context));
}

DWORD WINAPI RunWork(LPVOID parameter) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

std::optional<Invocation> ReadInvocation() {
  std::optional<std::u16string> path = ExecutablePath();
  if (!path) return std::nullopt;
  return Invocation{std::move(*path), ArgumentsOfCommandLine(FromWide(GetCommandLineW()))};
}

std::int64_t MonotonicNanoseconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  // Whole seconds and the rest apart, so that the product does not overflow.
  const std::int64_t seconds = count.QuadPart / frequency.QuadPart;
  return seconds * 1000000000 + (count.QuadPart % frequency.QuadPart) * 1000000000 / frequency.QuadPart;
}

std::uint32_t ProcessIdentifier() { return GetCurrentProcessId(); }

void UseSystemDefaultLocale() { SetThreadLocale(GetSystemDefaultLCID()); }

std::optional<std::u16string> GetEnvironmentValue(const std::u16string& name) {
  // A value that does not fit is not cut: the call answers with the size it needs.
  std::u16string buffer(MAX_PATH, u'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableW(Wide(name), WideBuffer(buffer), static_cast<DWORD>(buffer.size()));
    if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.resize(length);
  }
}

bool SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  return SetEnvironmentVariableW(Wide(name), Wide(value)) != 0;
}

bool SetCurrentFolder(const std::u16string& folder) { return SetCurrentDirectoryW(Wide(folder)) != 0; }

// GlobalMemoryStatus rather than its Ex form: a 32-bit process then sees
// figures that saturate at 4 GiB instead of 64-bit ones it would truncate.
MemoryStatus QueryMemoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return {status.dwTotalPhys, status.dwAvailVirtual};
}

std::optional<int> RunOnNewThread(std::uint32_t stackSize, ThreadProcedure procedure, void* context) {
  ThreadCall call{procedure, context};
  UniqueHandle thread(CreateThread(nullptr, stackSize, ThreadStart, &call, 0, nullptr));
  if (!thread) return std::nullopt;
  WaitForSingleObject(thread.get(), INFINITE);
  DWORD exitCode = 0;
  GetExitCodeThread(thread.get(), &exitCode);
  return static_cast<int>(exitCode);
}

bool StartDetachedThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  UniqueHandle thread(CreateThread(nullptr, 0, RunWork, owned.get(), 0, nullptr));
  if (!thread) return false;
  owned.release();  // the thread's now
  return true;
}

void ParkCallingThread() {
  for (;;) Sleep(INFINITE);
}

struct ThreadLock::State {
  SRWLOCK lock = SRWLOCK_INIT;
};

ThreadLock::ThreadLock() : state_(std::make_unique<State>()) {}
ThreadLock::~ThreadLock() = default;
void ThreadLock::lock() { AcquireSRWLockExclusive(&state_->lock); }
void ThreadLock::unlock() { ReleaseSRWLockExclusive(&state_->lock); }

void* LoadDynamicLibrary(const std::u16string& path, int& error) {
  HMODULE library = LoadLibraryW(Wide(path));
  error = library ? 0 : static_cast<int>(GetLastError());
  return library;
}

void* FindLibraryExport(void* library, const char* name, int& error) {
  FARPROC address = GetProcAddress(static_cast<HMODULE>(library), name);
  error = address ? 0 : static_cast<int>(GetLastError());
  return reinterpret_cast<void*>(address);
}

std::uint16_t OwnMachineType() { return sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386; }

ProgramRun StartProgram(const std::u16string& path, bool waitForExit) {
  ProgramRun run;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  run.started =
      CreateProcessW(Wide(path), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started) != 0;
  if (!run.started) {
    run.error = static_cast<int>(GetLastError());
    return run;
  }
  UniqueHandle process(started.hProcess), thread(started.hThread);
  if (!waitForExit) return run;
  WaitForSingleObject(process.get(), INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.get(), &exitCode);
  run.exitCode = static_cast<int>(exitCode);
  return run;
}

std::string ToVmText(std::u16string_view text) { return ToCodePage(text, CP_THREAD_ACP); }

// The way back catches best-fit stand-ins ("l" for "\u0142") as well as the
// default character.
bool VmTextCarries(std::u16string_view text) {
  return FromCodePage(ToCodePage(text, CP_THREAD_ACP), CP_THREAD_ACP) == text;
}

std::optional<std::u16string> ShortPathName(const std::u16string& path) {
  const DWORD needed = GetShortPathNameW(Wide(path), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::u16string shortPath(needed, u'\0');
  const DWORD length = GetShortPathNameW(Wide(path), WideBuffer(shortPath), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  return shortPath.substr(0, length);
}

std::u16string LoadMessage(MessageId id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out the resource's own text,
  // which is not terminated; its length is the result.
  int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? FromWide(text, length) : std::u16string();
}

namespace {

void WriteLine(std::FILE* stream, std::u16string_view line) {
  // A console shows its own code page; files and pipes get the ANSI one.
  UINT codePage = _isatty(_fileno(stream)) ? GetConsoleOutputCP() : CP_ACP;
  std::string narrow = ToCodePage(line, codePage ? codePage : CP_ACP);
  // The stream is in text mode, so each line feed reaches the output as CR LF.
  std::fwrite(narrow.data(), 1, narrow.size(), stream);
  std::fflush(stream);
}

}  // namespace

void WriteStandardOutput(std::u16string_view line) { WriteLine(stdout, line); }

void WriteStandardError(std::u16string_view line) { WriteLine(stderr, line); }
