// The command line and "Cmd" splitting: every character outside quotes and
// separating blanks survives, and every argument is a part of the text.
#include "fuzz_text.h"
#include "support/os.h"

namespace {

std::size_t CountNonSyntax(std::u16string_view text) {
  std::size_t count = 0;
  for (char16_t c : text) count += c != u' ' && c != u'"';
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string text = data.ConsumeBool() ? ConsumeRawText(data, 4096) : ConsumeReadableText(data, 8192);

  TokenList tokens;
  SplitCommandLine(text, tokens);
  std::size_t kept = 0;
  for (const std::u16string& token : tokens) kept += CountNonSyntax(token);
  FUZZ_CHECK(kept == CountNonSyntax(text));
  FUZZ_CHECK(tokens.size() <= text.size());

  for (const std::u16string& argument : ArgumentsOfCommandLine(text))
    FUZZ_CHECK(text.find(argument) != std::u16string::npos);
  return 0;
}
