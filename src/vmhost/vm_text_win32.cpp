#include "support/wide_win32.h"
#include "vmhost/vm_text.h"

std::string ToVmText(std::u16string_view text) { return ToCodePage(text, CP_THREAD_ACP); }
