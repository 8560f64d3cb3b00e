// Java versions: parsing any text gives at most four parts in the signed
// range, ordering is a total order, and the short form reads back as the
// same version but for dropped filler parts.
#include "fuzz_text.h"
#include "support/java_version.h"

namespace {

bool IsFiller(std::int32_t part) { return part == 0 || part == JavaVersion::kOpenMaximumPart; }

JavaVersion Parsed(std::u16string_view text, std::int32_t fill) {
  JavaVersion version;
  const bool parsed = version.parse(text, fill);
  FUZZ_CHECK(parsed == (version.count > 0));
  FUZZ_CHECK(version.count <= 5);
  for (std::int32_t part : version.parts) FUZZ_CHECK(part >= 0);
  return version;
}

void CheckShortForm(const JavaVersion& version) {
  const JavaVersion reread = Parsed(version.toText(), 0);
  FUZZ_CHECK(reread.count >= 2);
  for (int k = 0; k < 4; ++k)
    FUZZ_CHECK(reread.parts[k] == version.parts[k] || (IsFiller(version.parts[k]) && reread.parts[k] == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const JavaVersion a = Parsed(ConsumeReadableText(data, 256), 0);
  const JavaVersion b = Parsed(ConsumeReadableText(data, 256), JavaVersion::kOpenMaximumPart);
  const JavaVersion c = MaximumVersionSetting(ConsumeReadableText(data, 256));
  const JavaVersion d = MinimumVersionSetting(ConsumeReadableText(data, 256));

  FUZZ_CHECK(JavaVersion::compare(a, a) == 0);
  FUZZ_CHECK(JavaVersion::compare(a, b) == -JavaVersion::compare(b, a));
  FUZZ_CHECK((JavaVersion::compare(a, b) == 0) == JavaVersion::equalParts(a, b));
  if (JavaVersion::compare(a, b) <= 0 && JavaVersion::compare(b, c) <= 0) FUZZ_CHECK(JavaVersion::compare(a, c) <= 0);
  if (JavaVersion::matches(b, a) && a.count > 0) FUZZ_CHECK(a.parts[0] == b.parts[0]);
  for (const JavaVersion* version : {&a, &b, &c, &d}) CheckShortForm(*version);
  return 0;
}
