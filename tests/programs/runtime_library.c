/* A stand-in for a runtime's own C runtime library (vcruntime140.dll): two
   copies are built, one for the runtime's bin folder and one for a folder
   earlier on Path, each naming itself. */
#include <windows.h>

__declspec(dllexport) const char* RuntimeLibraryCopy(void) { return RUNTIME_LIBRARY_COPY; }
