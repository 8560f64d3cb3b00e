// The user's link colours: any registry data is either ignored or read as a
// colour of at most 24 bits, and three written bytes read back as written.
#include "dialog/link_color.h"
#include "fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const unsigned red = data.ConsumeIntegral<std::uint8_t>(), green = data.ConsumeIntegral<std::uint8_t>(),
                 blue = data.ConsumeIntegral<std::uint8_t>();
  const std::u16string written = ToDecimal(red) + u"," + ToDecimal(green) + u"," + ToDecimal(blue);
  FUZZ_CHECK(ParseLinkColor(written) == (blue << 16 | green << 8 | red));

  const bool isString = data.ConsumeBool();
  const std::string value = data.ConsumeRemainingBytesAsString();
  if (std::optional<LinkColor> color = ParseLinkColor(RawText(value))) FUZZ_CHECK(*color <= 0xFFFFFF);
  // Registry data of exactly the size read, so that reading past it is caught.
  std::vector<char16_t> stored((value.size() + 1) / 2);
  if (!value.empty()) std::memcpy(stored.data(), value.data(), value.size());
  if (std::optional<LinkColor> color = LinkColorFromRegistryValue(isString, stored.data(), value.size()))
    FUZZ_CHECK(*color <= 0xFFFFFF);
  return 0;
}
