// The single-instance argument area. Read on any bytes (another process
// filled them), it yields at most one argument per zero byte and never reads
// past the area; written, every argument list that fits reads back intact up
// to its first empty argument after the first.
#include <algorithm>
#include <array>
#include "fuzz_text.h"
#include "instance/argument_area.h"

namespace {

using Area = std::array<unsigned char, kArgumentAreaSize>;
using Arguments = std::vector<std::u16string>;

// What a later start's list reads back as.
Arguments AsRead(Arguments arguments) {
  if (arguments.empty()) return {u""};
  for (std::size_t i = 1; i < arguments.size(); ++i)
    if (arguments[i].empty()) arguments.resize(i);
  return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  if (data.ConsumeBool()) {
    // A whole area as another process may have left it.
    Area area{};
    const std::vector<std::uint8_t> filled = data.ConsumeBytes<std::uint8_t>(area.size());
    std::copy(filled.begin(), filled.end(), area.begin());
    if (data.ConsumeBool()) std::fill(area.begin() + filled.size(), area.end(), 0xFF);
    const Arguments read = ReadArguments(area.data());
    FUZZ_CHECK(read.size() <= static_cast<std::size_t>(std::count(area.begin(), area.end(), 0)));
    return 0;
  }
  // A list as a later start has it: command-line arguments hold no zero unit.
  Arguments arguments;
  while (data.remaining_bytes() > 0) {
    std::u16string argument = ConsumeRawText(data, 600);
    std::replace(argument.begin(), argument.end(), u'\0', u'x');
    arguments.push_back(argument);
  }
  Area area;
  area.fill(0xAA);
  if (WriteArguments(arguments, area.data())) FUZZ_CHECK(ReadArguments(area.data()) == AsRead(arguments));
  return 0;
}
