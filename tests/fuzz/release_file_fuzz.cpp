// A runtime's "release" file: any text is read, and the facts are values
// that the text holds.
#include "fuzz_text.h"
#include "runtime/release_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::u16string text = FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes), size));
  const ReleaseFacts facts = ReadReleaseFacts(text);
  FUZZ_CHECK(text.find(facts.javaVersion) != std::u16string::npos);
  FUZZ_CHECK(text.find(facts.implementor) != std::u16string::npos);
  if (text.find(u"JAVA_VERSION") == std::u16string::npos) FUZZ_CHECK(facts.javaVersion.empty());
  facts.isIbm();
  return 0;
}
