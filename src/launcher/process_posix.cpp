#include <fstream>
#include <iterator>

#include "launcher/process.h"

TokenList CommandLineArguments() {
  // The arguments as the process received them, each ended by a NUL.
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  TokenList arguments = SplitText(FromUtf8(content), std::u16string(1, u'\0'));
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return arguments;
}

// Text for the VM is UTF-8 here whatever the locale.
void UseSystemDefaultLocale() {}
