// The single-instance argument list and area. Read on any bytes (another
// process filled them), an area never yields more than it holds: a list no
// longer than the area with at most one argument per zero byte, or a mapping
// name cut at the area's end. Written, every argument list comes back intact,
// from the area itself or through the mapping it names.
#include <algorithm>
#include <array>

#include "fuzz_text.h"
#include "instance/argument_area.h"

namespace {

using Area = std::array<unsigned char, kArgumentAreaSize>;
using Arguments = std::vector<std::u16string>;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  if (data.ConsumeBool()) {
    // A whole area as another process may have left it.
    Area area{};
    const std::vector<std::uint8_t> filled = data.ConsumeBytes<std::uint8_t>(area.size());
    std::copy(filled.begin(), filled.end(), area.begin());
    if (data.ConsumeBool()) std::fill(area.begin() + filled.size(), area.end(), 0xFF);
    const AreaContent content = ReadArea(area.data());
    if (content.listIsHere) {
      FUZZ_CHECK(content.list.size() == content.listSize && content.listSize <= kAreaListCapacity);
      FUZZ_CHECK(DecodeArguments(content.list).size() ==
                 static_cast<std::size_t>(std::count(content.list.begin(), content.list.end(), '\0')));
    } else {
      FUZZ_CHECK(content.listSize > kAreaListCapacity && content.mappingName.size() <= kAreaListCapacity);
    }
    return 0;
  }
  // A list as a later start has it: command-line arguments hold no zero unit.
  Arguments arguments;
  while (data.remaining_bytes() > 0) {
    std::u16string argument = ConsumeRawText(data, 600);
    std::replace(argument.begin(), argument.end(), u'\0', u'x');
    arguments.push_back(argument);
  }
  const std::string list = EncodeArguments(arguments);
  FUZZ_CHECK(DecodeArguments(list) == arguments);
  Area area;
  area.fill(0xAA);
  if (list.size() <= kAreaListCapacity) {
    WriteListToArea(list, area.data());
    const AreaContent content = ReadArea(area.data());
    FUZZ_CHECK(content.listIsHere && DecodeArguments(content.list) == arguments);
  } else {
    // The name a later start gives its mapping; the list itself is in the mapping.
    const std::u16string name = arguments.front().substr(0, 300);
    if (WriteListPlaceToArea(list.size(), name, area.data())) {
      const AreaContent content = ReadArea(area.data());
      FUZZ_CHECK(!content.listIsHere && content.listSize == list.size());
      FUZZ_CHECK(content.mappingName == name);
    }
  }
  return 0;
}
