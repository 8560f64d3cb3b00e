// SplitText and TrimWhiteSpace: splitting loses nothing (the tokens joined
// with the separator give the text back, but for one separator at the very
// end), and trimming leaves a middle part with white space at neither end.
#include "fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  std::u16string separator = ConsumeRawText(data, 4);
  if (separator.empty()) separator = u";";
  const std::u16string text = ConsumeRawText(data, 8192);

  const TokenList tokens = SplitText(text, separator);
  std::u16string joined;
  for (std::size_t i = 0; i < tokens.size(); ++i) joined += (i ? separator : u"") + tokens[i];
  FUZZ_CHECK(joined == text || joined + separator == text);

  const std::u16string trimmed = TrimWhiteSpace(text);
  FUZZ_CHECK(text.find(trimmed) != std::u16string::npos);
  FUZZ_CHECK(trimmed.empty() || (!IsWhiteSpace(trimmed.front()) && !IsWhiteSpace(trimmed.back())));
  FUZZ_CHECK(TrimWhiteSpace(trimmed) == trimmed);

  // Every UTF-16 text survives the trip through UTF-8.
  FUZZ_CHECK(FromUtf8(ToUtf8(text)) == text);
  return 0;
}
