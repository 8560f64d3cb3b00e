/* A library built for i686: a VM library the x86_64 launcher cannot load,
   which it must hand to its paired launcher. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
