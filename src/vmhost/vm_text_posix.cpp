#include "support/text.h"
#include "vmhost/vm_text.h"

std::string ToVmText(std::u16string_view text) { return ToUtf8(text); }
