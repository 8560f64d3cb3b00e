#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <string>

#include "support/handles_win32.h"
#include "support/standard_streams.h"
#include "support/trace.h"
#include "support/wide_win32.h"

namespace {

bool outputReachesNoOne = false;

// Both launchers are built from the same objects; only the subsystem in
// their image headers differs, and it is read back from there.
bool IsWindowedProgram() {
  const auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
  const auto* headers =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(image + reinterpret_cast<const IMAGE_DOS_HEADER*>(image)->e_lfanew);
  return headers->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI;
}

bool IsFileOrPipe(HANDLE handle) {
  const DWORD type = GetFileType(handle);
  return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// A stream the parent chose: a file, a pipe or a device such as NUL. A
// console handle is none: the windowed launcher writes to a console only
// through handles of its own, once attached.
bool IsHandedOver(HANDLE handle) {
  if (IsFileOrPipe(handle)) return true;
  DWORD mode = 0;
  return GetFileType(handle) == FILE_TYPE_CHAR && !GetConsoleMode(handle, &mode);
}

// Opens a device for one of the standard streams and makes it the process's
// handle, which the VM writes through, and the C runtime's descriptor.
void ConnectStream(DWORD stream, int descriptor, const wchar_t* device) {
  const bool isInput = stream == STD_INPUT_HANDLE;
  UniqueFileHandle file(CreateFileW(device, isInput ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return;
  const int opened = _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), isInput ? _O_RDONLY : _O_WRONLY);
  if (opened < 0) return;
  file.release();  // the descriptor's now
  // The duplicate in the descriptor is the one that stays open.
  if (_dup2(opened, descriptor) == 0) SetStdHandle(stream, reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)));
  _close(opened);
}

}  // namespace

std::u16string ConnectStandardStreams() {
  if (!IsWindowedProgram()) return {};
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  // The console is taken only for a stream with nowhere else to go, so that
  // a script that redirects both keeps its Ctrl+C from this process. Access
  // is denied when the process is in a console already.
  const bool attached = !(IsFileOrPipe(output) && IsFileOrPipe(error)) &&
                        (AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED);
  const wchar_t* const unread = attached ? L"CONOUT$" : L"NUL";
  const bool outputHandedOver = IsHandedOver(output), errorHandedOver = IsHandedOver(error);
  if (!IsHandedOver(input)) ConnectStream(STD_INPUT_HANDLE, 0, L"NUL");
  if (!outputHandedOver) ConnectStream(STD_OUTPUT_HANDLE, 1, unread);
  if (!errorHandedOver) ConnectStream(STD_ERROR_HANDLE, 2, unread);
  outputReachesNoOne = !attached && !outputHandedOver;
  const auto place = [&](bool handedOver) { return handedOver ? u"handed over" : attached ? u"console" : u"NUL"; };
  return std::u16string(u"windowed: standard output ") + place(outputHandedOver) + u", standard error " +
         place(errorHandedOver);
}

bool ShowErrorBox(std::u16string_view caption, std::u16string_view text) {
  if (!outputReachesNoOne) return false;
  const std::u16string shownCaption(caption), shownText(text);
  return MessageBoxW(nullptr, Wide(shownText), shownCaption.empty() ? nullptr : Wide(shownCaption),
                     MB_OK | MB_ICONERROR | MB_SETFOREGROUND) != 0;
}
