// Path splitting in both styles: the components account for every character
// that is not a separator, and the last-component cuts stay inside the path.
#include <algorithm>

#include "fuzz_text.h"
#include "support/paths.h"

namespace {

std::size_t CountNonSeparators(std::u16string_view text, char16_t separator) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [&](char16_t c) { return c != separator; }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string path = ConsumeReadableText(data, 4096);
  for (PathStyle style : {PathStyle::Windows, PathStyle::Posix}) {
    const char16_t separator = Separator(style);
    const TokenList components = SplitPathComponents(path, style);
    std::size_t kept = 0;
    for (const std::u16string& component : components) kept += CountNonSeparators(component, separator);
    FUZZ_CHECK(kept == CountNonSeparators(path, separator));
    IsRootedPath(path, style);
    FUZZ_CHECK(CutLastComponent(path, style).size() <= path.size());
    FUZZ_CHECK(FileNameOf(path, style).find(separator) == std::u16string_view::npos);
  }
  return 0;
}
