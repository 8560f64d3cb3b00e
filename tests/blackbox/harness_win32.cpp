#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "harness.h"
#include "support/handles_win32.h"
#include "support/text.h"
#include "support/wide_win32.h"

namespace fs = std::filesystem;

namespace {

std::wstring W(const std::string& utf8) {
  std::u16string text = FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \"") == std::wstring::npos) return argument;
  return L"\"" + argument + L"\"";
}

std::wstring EnvironmentBlock(const std::map<std::string, std::string>& changes) {
  std::map<std::wstring, std::wstring, bool (*)(const std::wstring&, const std::wstring&)> variables(
      [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
    std::wstring text = entry;
    size_t equals = text.find(L'=', 1);  // names such as "=C:" begin with "="
    if (equals != std::wstring::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  FreeEnvironmentStringsW(block);
  for (const auto& [name, value] : changes) {
    if (value.empty())
      variables.erase(W(name));
    else
      variables[W(name)] = W(value);
  }
  std::wstring result;
  for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
  return result + L'\0';
}

UniqueFileHandle InheritableFile(const std::wstring& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string ReadWhole(const fs::path& file) {
  std::string content;
  FILE* stream = _wfopen(file.c_str(), L"rb");
  if (!stream) return content;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, stream)) > 0) content.append(buffer, got);
  fclose(stream);
  return content;
}

}  // namespace

std::string ExecutableSuffix() { return ".exe"; }
std::string LineEnd() { return "\r\n"; }

std::string NativePath(const std::string& path) {
  // The build names its files with Unix paths, which Wine shows on drive Z:.
  std::string native = path.size() > 0 && path[0] == '/' ? "Z:" + path : path;
  for (char& c : native)
    if (c == '/') c = '\\';
  return native;
}

RunResult RunProgram(const std::string& program, const RunOptions& options) {
  RunResult result;
  std::wstring commandLine = Quoted(W(program));
  for (const std::string& argument : options.arguments) commandLine += L" " + Quoted(W(argument));
  if (!options.rawCommandTail.empty()) commandLine += L" " + W(options.rawCommandTail);

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  std::wstring stem = std::wstring(temp) + L"launcher-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                      std::to_wstring(++counter);
  fs::path outPath = stem + L".out", errPath = stem + L".err";
  {
    UniqueFileHandle out = InheritableFile(outPath.wstring()), err = InheritableFile(errPath.wstring());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    if (!options.asFromExplorer) {
      startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
      startup.hStdOutput = out.get();
      startup.hStdError = err.get();
    }
    const DWORD flags = CREATE_UNICODE_ENVIRONMENT | (options.asFromExplorer ? DETACHED_PROCESS : 0);
    std::wstring directory =
        options.workingDirectory.empty() ? fs::path(W(program)).parent_path().wstring() : W(options.workingDirectory);
    std::wstring environment = EnvironmentBlock(options.environment);
    PROCESS_INFORMATION process{};
    // Under a loaded machine Wine now and then fails a start with ERROR_INTERNAL_ERROR before
    // the program runs at all; that says nothing about the launcher, so such a start is retried.
    auto start = [&] {
      return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, !options.asFromExplorer, flags,
                            environment.data(), directory.c_str(), &startup, &process);
    };
    bool started = start();
    for (int retry = 0; !started && GetLastError() == ERROR_INTERNAL_ERROR && retry < 3; ++retry) {
      Sleep(200);
      started = start();
    }
    if (!started) {
      ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
      return result;
    }
    UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, options.timeoutMilliseconds) != WAIT_OBJECT_0) {
      ADD_FAILURE() << program << " did not end within " << options.timeoutMilliseconds << " ms";
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, INFINITE);
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exitCode = static_cast<std::int32_t>(code);
  }
  result.output = ReadWhole(outPath);
  result.error = ReadWhole(errPath);
  DeleteFileW(outPath.c_str());
  DeleteFileW(errPath.c_str());
  return result;
}
