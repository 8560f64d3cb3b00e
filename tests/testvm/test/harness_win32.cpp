#include <windows.h>

#include "harness.h"

namespace harness {

const char* const vmLibrary = "jvm.dll";
const char* const noEntryLibrary = "noentry.dll";
const char* const hostProgram = "testvm_host.exe";
const char* const lineSeparator = "\r\n";
const char pathSeparator = ';';
const char* const missingFolderReason = "The system cannot find the path specified";

namespace {

std::wstring wide(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &result[0], length);
  result.resize(static_cast<std::size_t>(length) - 1);
  return result;
}

std::string utf8(const std::wstring& text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &result[0], length, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(length) - 1);
  return result;
}

// Quotes one argument so that the C runtime's parsing gives it back unchanged.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring result = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    result.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    result += c;
    backslashes = 0;
  }
  result.append(backslashes * 2, L'\\');
  return result + L"\"";
}

HANDLE inheritable(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &security, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string programFolder() {
  wchar_t buffer[MAX_PATH];
  std::wstring program(buffer, GetModuleFileNameW(nullptr, buffer, MAX_PATH));
  return utf8(program.substr(0, program.rfind(L'\\')));
}

int run(const std::vector<std::string>& argv, const std::string& folder, const std::string& outPath,
        const std::string& errPath) {
  std::wstring commandLine;
  for (const std::string& argument : argv) commandLine += (commandLine.empty() ? L"" : L" ") + quoted(wide(argument));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = inheritable(wide(outPath), GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = inheritable(wide(errPath), GENERIC_WRITE, CREATE_ALWAYS);
  PROCESS_INFORMATION process{};
  DWORD status = 127;
  if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, wide(folder).c_str(), &startup,
                     &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(startup.hStdInput);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  return static_cast<int>(status);
}

void setEnvironment(const std::string& name, const std::string& value) {
  SetEnvironmentVariableW(wide(name).c_str(), wide(value).c_str());
}

void unsetEnvironment(const std::string& name) { SetEnvironmentVariableW(wide(name).c_str(), nullptr); }

void* openLibrary(const std::string& path) { return LoadLibraryW(wide(path).c_str()); }

void* entryPoint(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

}  // namespace harness
