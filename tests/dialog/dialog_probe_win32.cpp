// Looks at a dialog of another program, as a test sees it on the screen:
//   dialog_probe wait <caption>          until a visible window so named exists
//   dialog_probe gone <caption>          until no visible window is so named
//   dialog_probe controls <caption>      one line per control: id, enabled, style, icon, text
//   dialog_probe point <caption> <id>    the screen point at the centre of a control ("close": the close box)
//   dialog_probe area <caption> <id>     a control's screen rectangle as WxH+X+Y ("window": the dialog's)
//   dialog_probe tooltip                 the text of the tooltip on the screen
//   dialog_probe start <program>         starts it as Explorer does, without a console or standard
//                                        handles; waits for it and prints its exit code
//   dialog_probe console <program>       starts it from a console of the probe's own; waits for it
//                                        and prints its exit code, then the console's text
// Waits give up after 20 seconds with exit code 1.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "../programs/utf8_lines_win32.h"

namespace {

// Text of a window of another process: WM_GETTEXT is carried across.
std::wstring TextOf(HWND window) {
  wchar_t text[1024] = L"";
  SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND Visible(const wchar_t* className, const wchar_t* caption) {
  HWND window = FindWindowW(className, caption);
  return window && IsWindowVisible(window) ? window : nullptr;
}

bool WaitFor(const wchar_t* caption, bool present) {
  for (int tenth = 0; tenth < 200; ++tenth, Sleep(100))
    if ((Visible(nullptr, caption) != nullptr) == present) return true;
  return false;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  wchar_t line[1200];
  LONG style = GetWindowLongW(control, GWL_STYLE);
  bool hasIcon = SendMessageW(control, STM_GETICON, 0, 0) != 0 && (style & SS_TYPEMASK) == SS_ICON;
  swprintf(line, 1200, L"%d|%ls|%08lX|%ls|%ls", GetDlgCtrlID(control),
           IsWindowEnabled(control) ? L"enabled" : L"disabled", static_cast<unsigned long>(style),
           hasIcon ? L"icon" : L"", TextOf(control).c_str());
  Print(line);
  return TRUE;
}

RECT AreaOf(HWND dialog, const wchar_t* id) {
  RECT area{};
  if (wcscmp(id, L"close") == 0) {
    // The close box sits at the right end of the caption, inside the frame.
    GetWindowRect(dialog, &area);
    int right = area.right - GetSystemMetrics(SM_CXDLGFRAME);
    int top = area.top + GetSystemMetrics(SM_CYDLGFRAME);
    return RECT{right - GetSystemMetrics(SM_CXSIZE), top, right, top + GetSystemMetrics(SM_CYCAPTION) - 1};
  }
  GetWindowRect(wcscmp(id, L"window") == 0 ? dialog : GetDlgItem(dialog, _wtoi(id)), &area);
  return area;
}

// Runs a program and waits for it; nothing when it cannot be started.
bool RunAndWait(const wchar_t* program, DWORD flags, const STARTUPINFOW& startup, DWORD& exitCode) {
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
  STARTUPINFOW info = startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &info, &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

int StartDetached(const wchar_t* program) {
  FreeConsole();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;  // all of them null
  DWORD exitCode = 0;
  if (!RunAndWait(program, DETACHED_PROCESS, startup, exitCode)) return 1;
  Print(std::to_wstring(static_cast<int>(exitCode)));
  return 0;
}

// The console's rows without their trailing blanks, up to the last row written.
std::wstring ConsoleText() {
  HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO buffer{};
  GetConsoleScreenBufferInfo(screen, &buffer);
  std::wstring text;
  for (SHORT row = 0; row <= buffer.dwCursorPosition.Y; ++row) {
    std::wstring line(buffer.dwSize.X, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line.data(), buffer.dwSize.X, COORD{0, row}, &read);
    line.erase(line.find_last_not_of(L' ') + 1);
    text += line + L"\n";
  }
  CloseHandle(screen);
  return text;
}

int StartInConsole(const wchar_t* program) {
  FreeConsole();
  if (!AllocConsole()) return 1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  DWORD exitCode = 0;
  if (!RunAndWait(program, 0, startup, exitCode)) return 1;
  Print(std::to_wstring(static_cast<int>(exitCode)));
  Print(ConsoleText());
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"tooltip") {
    HWND tip = Visible(TOOLTIPS_CLASSW, nullptr);
    if (!tip) return 1;
    Print(TextOf(tip));
    return 0;
  }
  if (argc < 3) return 2;
  if (command == L"start") return StartDetached(argv[2]);
  if (command == L"console") return StartInConsole(argv[2]);
  if (command == L"wait") return WaitFor(argv[2], true) ? 0 : 1;
  if (command == L"gone") return WaitFor(argv[2], false) ? 0 : 1;
  HWND dialog = Visible(nullptr, argv[2]);
  if (!dialog) return 1;
  if (command == L"controls") {
    EnumChildWindows(dialog, &PrintControl, 0);
    return 0;
  }
  if (argc < 4) return 2;
  RECT area = AreaOf(dialog, argv[3]);
  wchar_t line[100];
  if (command == L"point")
    swprintf(line, 100, L"%ld %ld", (area.left + area.right) / 2, (area.top + area.bottom) / 2);
  else if (command == L"area")
    swprintf(line, 100, L"%ldx%ld+%ld+%ld", area.right - area.left, area.bottom - area.top, area.left, area.top);
  else
    return 2;
  Print(line);
  return 0;
}
