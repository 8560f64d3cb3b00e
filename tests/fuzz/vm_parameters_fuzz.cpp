// "Virtual Machine Parameters": splitting gives non-empty tokens that start
// with no blank, quote stripping only removes, and a relative memory option
// becomes its prefix, a decimal size and "K" in either arithmetic, whose
// stack size (for "-Xss") can then be read.
#include "fuzz_text.h"
#include "vmhost/vm_parameters.h"

namespace {

// A machine with 16 GiB of memory and a 128 TiB address space, and one
// whose figures overflow every 32-bit computation.
constexpr MemoryStatus kMachines[] = {{16ull << 30, 128ull << 40}, {~0ull, ~0ull}};

bool IsDecimal(std::u16string_view text) {
  if (!text.empty() && text.front() == u'-') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char16_t c : text)
    if (c < u'0' || c > u'9') return false;
  return true;
}

void CheckExpansion(const std::u16string& token) {
  const std::size_t prefixEnd = token.find_first_of(u"0123456789:");
  const std::u16string prefix = token.substr(0, prefixEnd);
  for (const MemoryStatus& memory : kMachines) {
    for (MemoryArithmetic arithmetic : {MemoryArithmetic::Bits32, MemoryArithmetic::Bits64}) {
      const std::u16string expanded = ExpandMemoryOption(token, memory, arithmetic);
      FUZZ_CHECK(expanded.size() > prefix.size() && expanded.compare(0, prefix.size(), prefix) == 0);
      FUZZ_CHECK(expanded.back() == u'K');
      FUZZ_CHECK(IsDecimal(std::u16string_view(expanded).substr(prefix.size(), expanded.size() - prefix.size() - 1)));
      if (prefix == u"-Xss") ParseStackSize(std::u16string_view(expanded).substr(4));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::u16string value = ConsumeReadableText(data, 8192);
  for (const std::u16string& token : SplitVmParameters(value)) {
    FUZZ_CHECK(!token.empty() && token.front() != u' ');
    const std::u16string stripped = StripQuotes(token);
    FUZZ_CHECK(stripped.size() <= token.size());
    if (IsRelativeMemoryOption(stripped)) CheckExpansion(stripped);
    if (stripped.compare(0, 4, u"-Xss") == 0) ParseStackSize(std::u16string_view(stripped).substr(4));
  }
  return 0;
}
