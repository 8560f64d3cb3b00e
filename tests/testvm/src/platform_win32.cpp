#include "platform.h"

#include <windows.h>

#include <vector>

namespace testvm {

struct Monitor::Impl {
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE condition = CONDITION_VARIABLE_INIT;
};

Monitor::Monitor() : impl_(new Impl) {}
Monitor::~Monitor() { delete impl_; }
void Monitor::lock() { AcquireSRWLockExclusive(&impl_->lock); }
void Monitor::unlock() { ReleaseSRWLockExclusive(&impl_->lock); }
void Monitor::wait() { SleepConditionVariableSRW(&impl_->condition, &impl_->lock, INFINITE, 0); }
void Monitor::notifyAll() { WakeAllConditionVariable(&impl_->condition); }

namespace platform {

const char* const lineSeparator = "\r\n";
const std::size_t defaultThreadStackSize = 0;  // the reserve in the program's header
const char pathSeparator = ';';

namespace {

std::wstring convert(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::wstring wide(const std::string& utf8) { return convert(CP_UTF8, utf8); }

std::string utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length, nullptr, nullptr);
  return narrow;
}

// Windows' own English wording for the usual failures, so that messages do not
// depend on the language (or the emulator) the tests run under.
std::string errorText(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return "The system cannot find the file specified";
    case ERROR_PATH_NOT_FOUND:
      return "The system cannot find the path specified";
    case ERROR_ACCESS_DENIED:
      return "Access is denied";
    case ERROR_SHARING_VIOLATION:
      return "The process cannot access the file because it is being used by another process";
    case ERROR_INVALID_NAME:
      return "The filename, directory name, or volume label syntax is incorrect";
  }
  wchar_t* buffer = nullptr;
  DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  // Java drops the trailing ".\r\n" the same way.
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  if (!text.empty() && text.back() == L'.') text.pop_back();
  return utf8(text);
}

std::wstring systemDirectory(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH];
  UINT length = query(buffer, MAX_PATH);
  return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

}  // namespace

bool environment(const char* name, std::string& value) {
  std::wstring key = wide(name);
  DWORD size = GetEnvironmentVariableW(key.c_str(), nullptr, 0);
  if (size == 0) return false;  // an empty variable still needs room for its terminator
  std::wstring text(size, L'\0');
  DWORD length = GetEnvironmentVariableW(key.c_str(), &text[0], size);
  text.resize(length);
  value = utf8(text);
  return true;
}

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesW(wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool exists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool readFile(const std::string& path, std::string& bytes) {
  HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  BOOL ok;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return ok;
}

void appendLine(const std::string& path, const std::string& line) {
  // Append-only access makes every write land at the end, whoever else appends.
  HANDLE file =
      CreateFileW(wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  writeAll(reinterpret_cast<Handle>(file), line + "\n");
  CloseHandle(file);
}

Handle standardOutput() { return reinterpret_cast<Handle>(GetStdHandle(STD_OUTPUT_HANDLE)); }
Handle standardError() { return reinterpret_cast<Handle>(GetStdHandle(STD_ERROR_HANDLE)); }

bool createFile(const std::string& path, Handle& handle, std::string& reason) {
  HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason = errorText(GetLastError());
    return false;
  }
  handle = reinterpret_cast<Handle>(file);
  return true;
}

bool writeAll(Handle handle, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                   &wrote, nullptr) ||
        wrote == 0)
      return false;
    done += wrote;
  }
  return true;
}

std::string platformToUtf8(const std::string& text) { return utf8(convert(CP_ACP, text)); }

namespace {
struct ThreadStart {
  void (*run)(void*);
  void* argument;
};

DWORD WINAPI threadMain(void* raw) {
  ThreadStart start = *static_cast<ThreadStart*>(raw);
  delete static_cast<ThreadStart*>(raw);
  start.run(start.argument);
  return 0;
}
}  // namespace

bool startThread(void (*run)(void*), void* argument, std::size_t stackSize) {
  auto* start = new ThreadStart{run, argument};
  HANDLE thread =
      CreateThread(nullptr, stackSize, threadMain, start, stackSize ? STACK_SIZE_PARAM_IS_A_RESERVATION : 0, nullptr);
  if (!thread) {
    delete start;
    return false;
  }
  CloseHandle(thread);
  return true;
}

namespace {
DWORD slotIndex() {
  static DWORD index = TlsAlloc();
  return index;
}
}  // namespace

void* threadSlot() { return TlsGetValue(slotIndex()); }

void setThreadSlot(void* value) { TlsSetValue(slotIndex(), value); }

void sleepMillis(long millis) { Sleep(static_cast<DWORD>(millis)); }

std::size_t currentStackSize() {
  // Looked up at run time: the function is missing before Windows 8.
  using Limits = VOID(WINAPI*)(PULONG_PTR, PULONG_PTR);
  auto limits = reinterpret_cast<Limits>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetCurrentThreadStackLimits")));
  if (!limits) return 0;
  ULONG_PTR low = 0, high = 0;
  limits(&low, &high);
  return high - low;
}

std::string defaultLibraryPath() {
  // The order the Windows JDK gives: the program's folder, the Java extension
  // folder, the system folder, the Windows folder, PATH, the current folder.
  wchar_t program[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder(program, length);
  std::size_t slash = folder.find_last_of(L'\\');
  folder.erase(slash == std::wstring::npos ? 0 : slash);
  std::wstring windows = systemDirectory(GetWindowsDirectoryW);
  std::wstring path =
      folder + L";" + windows + L"\\Sun\\Java\\bin;" + systemDirectory(GetSystemDirectoryW) + L";" + windows;
  std::string searchPath;
  if (environment("PATH", searchPath)) path += L";" + wide(searchPath);
  return utf8(path + L";.");
}

}  // namespace platform
}  // namespace testvm
