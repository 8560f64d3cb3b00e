// Windows hands over its command line in UTF-16, which the ANSI code page of
// main's arguments could not hold: a product name in any script, any path.
#include <iostream>

#include "brand/brand_tool.h"
#include "brand/utf.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int k = 1; k < argc; ++k) {
    const std::wstring argument = argv[k];
    arguments.push_back(Utf8FromUtf16(std::u16string(argument.begin(), argument.end())));
  }
  return RunBrandTool(arguments, std::cout, std::cerr);
}
