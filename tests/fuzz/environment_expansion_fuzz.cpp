// %NAME% expansion: with no variable set the text stays exactly as written,
// and a set variable's value replaces each of its references.
#include "fuzz_text.h"
#include "support/environment_expansion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string name = ConsumeReadableText(data, 16);
  const std::u16string value = ConsumeRawText(data, 64);
  const std::u16string text = ConsumeReadableText(data, 4096);

  const auto unset = [](std::u16string_view) { return std::optional<std::u16string>(); };
  FUZZ_CHECK(ExpandReferences(text, unset) == text);

  const auto lookup = [&](std::u16string_view asked) {
    return asked == name ? std::optional<std::u16string>(value) : std::nullopt;
  };
  const std::u16string expanded = ExpandReferences(text, lookup);
  if (name.empty() || name.find(u'%') != std::u16string::npos) return 0;
  const std::u16string reference = u"%" + name + u"%";
  if (text == reference) FUZZ_CHECK(expanded == value);
  if (text.find(u'%') == std::u16string::npos) FUZZ_CHECK(expanded == text);
  return 0;
}
