// Versions "A.B.C.D": an accepted text is four runs of digits and three dots
// and reads back from its canonical form; any four numbers up to 65535 are
// accepted in that form.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>

#include "brand/version_number.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  VersionNumber numbers;
  for (std::uint16_t& number : numbers) number = data.ConsumeIntegral<std::uint16_t>();
  const Result<VersionNumber> canonical = ParseVersionNumber(VersionText(numbers));
  FUZZ_CHECK(canonical.ok() && canonical.value() == numbers);

  const std::string text = data.ConsumeRemainingBytesAsString();
  const Result<VersionNumber> parsed = ParseVersionNumber(text);
  if (!parsed.ok()) {
    FUZZ_CHECK(parsed.error().find(text) != std::string::npos);
    return 0;
  }
  FUZZ_CHECK(std::count(text.begin(), text.end(), '.') == 3);
  FUZZ_CHECK(std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }));
  FUZZ_CHECK(text.front() != '.' && text.back() != '.' && text.find("..") == std::string::npos);
  FUZZ_CHECK(ParseVersionNumber(VersionText(parsed.value())).value() == parsed.value());
  return 0;
}
