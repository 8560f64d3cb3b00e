// Message formatting with any format and any arguments: each "%s" or "%d"
// takes the next argument as it is (a "%" inside one stays text), and every
// catalogue entry can be formatted with any arguments.
#include <algorithm>

#include "fuzz_text.h"
#include "support/messages.h"

namespace {

std::size_t CountConversions(std::u16string_view format) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + 1 < format.size(); ++i)
    if (format[i] == u'%' && (format[i + 1] == u's' || format[i + 1] == u'd')) ++count, ++i;
  return count;
}

MessageArgument ConsumeArgument(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return MessageArgument(data.ConsumeIntegral<std::int32_t>());
  return MessageArgument(ConsumeRawText(data, 64));
}

std::u16string Format(std::u16string_view format, MessageId id, std::size_t count, const MessageArgument& a,
                      const MessageArgument& b, const MessageArgument& c) {
  switch (count) {
    case 0:
      FormatMessageText(id, {});
      return FormatText(format, {});
    case 1:
      FormatMessageText(id, {a});
      return FormatText(format, {a});
    case 2:
      FormatMessageText(id, {a, b});
      return FormatText(format, {a, b});
    default:
      FormatMessageText(id, {a, b, c});
      return FormatText(format, {a, b, c});
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const MessageId id = data.ConsumeIntegralInRange<MessageId>(200, 240);
  const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 3);
  const MessageArgument a = ConsumeArgument(data), b = ConsumeArgument(data), c = ConsumeArgument(data);
  const std::u16string format = ConsumeReadableText(data, 1024);

  const std::u16string out = Format(format, id, count, a, b, c);
  const std::size_t conversions = CountConversions(format);
  std::size_t inserted = 0;
  const MessageArgument* arguments[] = {&a, &b, &c};
  for (std::size_t k = 0; k < std::min(conversions, count); ++k)
    inserted += arguments[k]->isNumber() ? ToDecimal(arguments[k]->number()).size() : arguments[k]->text().size();
  FUZZ_CHECK(out.size() == format.size() - 2 * conversions + inserted);
  ErrorLine(out);
  return 0;
}
