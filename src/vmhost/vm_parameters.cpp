#include "vmhost/vm_parameters.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr size_t npos = std::u16string_view::npos;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Where the token that begins at start ends: at a blank that no quote pair
// encloses, or at the end of the value. One pass: a long value full of
// quotes costs no more than a plain one.
size_t VmParameterEnd(std::u16string_view value, size_t start) {
  size_t i = start;
  while (i < value.size() && value[i] != u' ') {
    if (value[i] != u'"') {
      ++i;
      continue;
    }
    size_t closing = value.find(u'"', i + 1);
    if (closing == npos) return std::min(value.find(u' ', i), value.size());  // an unmatched quote protects nothing
    if (closing + 1 < value.size() && value[closing + 1] == u'"') ++closing;
    i = closing + 1;
  }
  return i;
}

size_t SkipBlanks(std::u16string_view value, size_t position) {
  while (position < value.size() && value[position] == u' ') ++position;
  return position;
}

// The start of the number part: the first digit or ":"; npos when none.
size_t NumberPartStart(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (IsDigit(text[i]) || text[i] == u':') return i;
  return npos;
}

// The ":"-separated numbers of text[start, end); other characters are skipped
// and each number wraps in the width of Unsigned.
template <typename Unsigned>
std::vector<Unsigned> ReadNumbers(std::u16string_view text, size_t start, size_t end) {
  std::vector<Unsigned> numbers{0};
  for (size_t i = start; i < end; ++i) {
    if (IsDigit(text[i]))
      numbers.back() = static_cast<Unsigned>(numbers.back() * 10u + static_cast<Unsigned>(text[i] - u'0'));
    else if (text[i] == u':')
      numbers.push_back(0);
  }
  return numbers;
}

// A non-negative double truncated toward zero and wrapped into Unsigned, as
// integer arithmetic of that width would wrap.
template <typename Unsigned>
Unsigned TruncateWrapping(double value) {
  const double range = std::ldexp(1.0, static_cast<int>(sizeof(Unsigned) * 8));
  value = std::fmod(std::trunc(value), range);
  return static_cast<Unsigned>(value);
}

// A 32-bit build writes the size as a signed number, a 64-bit one whole.
std::u16string SizeText(std::uint32_t size) { return ToDecimal(static_cast<std::int32_t>(size)); }
std::u16string SizeText(std::uint64_t size) { return UnsignedDecimal(size); }

// A figure as a process of that width sees it: larger ones saturate.
template <typename Unsigned>
Unsigned Figure(std::uint64_t bytes) {
  return static_cast<Unsigned>(std::min<std::uint64_t>(bytes, std::numeric_limits<Unsigned>::max()));
}

template <typename Unsigned>
std::u16string ExpandMemoryOptionIn(std::u16string_view token, const MemoryStatus& memory) {
  size_t start = NumberPartStart(token);
  std::u16string_view prefix = token.substr(0, start);
  std::vector<Unsigned> numbers;
  if (start != npos) numbers = ReadNumbers<Unsigned>(token, start, token.size() - 1);
  numbers.resize(3, 0);
  const Unsigned percent = numbers[0], minimum = numbers[1], maximum = numbers[2];

  const char16_t suffix = token.back();
  const Unsigned base =
      Figure<Unsigned>(suffix == u'T' || suffix == u't' ? memory.availableAddressSpace : memory.totalPhysical);
  Unsigned size = TruncateWrapping<Unsigned>(static_cast<double>(base >> 10) * (percent * 0.01));
  const Unsigned maximumKilobytes = static_cast<Unsigned>(maximum * 1024u);
  const Unsigned minimumKilobytes = static_cast<Unsigned>(minimum * 1024u);
  if (maximum != 0 && size > maximumKilobytes) size = maximumKilobytes;
  if (minimumKilobytes > size) size = minimumKilobytes;

  return std::u16string(prefix) + SizeText(size) + u"K";
}

}  // namespace

TokenList SplitVmParameters(std::u16string_view value) {
  TokenList tokens;
  size_t start = SkipBlanks(value, 0);
  while (start < value.size()) {
    size_t end = VmParameterEnd(value, start);
    tokens.emplace_back(value.substr(start, end - start));
    start = SkipBlanks(value, end);
  }
  return tokens;
}

std::u16string StripQuotes(std::u16string_view token) {
  std::u16string text;
  text.reserve(token.size());
  size_t position = 0;
  for (;;) {
    size_t opening = token.find(u'"', position);
    if (opening == npos) break;
    size_t closing = token.find(u'"', opening + 1);
    if (closing == npos) break;
    if (closing + 1 < token.size() && token[closing + 1] == u'"') ++closing;
    text.append(token.substr(position, opening - position));
    text.append(token.substr(opening + 1, closing - opening - 1));
    position = closing + 1;
  }
  text.append(token.substr(position));
  return text;
}

bool IsRelativeMemoryOption(std::u16string_view token) {
  if (token.size() < 4) return false;
  std::u16string_view head = token.substr(0, 4);
  if (head != u"-Xms" && head != u"-Xmx" && head != u"-Xss") return false;
  char16_t last = token.back();
  return last == u'P' || last == u'p' || last == u'T' || last == u't';
}

std::u16string ExpandMemoryOption(std::u16string_view token, const MemoryStatus& memory, MemoryArithmetic arithmetic) {
  return arithmetic == MemoryArithmetic::Bits64 ? ExpandMemoryOptionIn<std::uint64_t>(token, memory)
                                                : ExpandMemoryOptionIn<std::uint32_t>(token, memory);
}

std::uint32_t ParseStackSize(std::u16string_view text) {
  if (text.empty() || NumberPartStart(text) != 0) return 0;
  const char16_t unit = text.back();
  size_t end = IsDigit(unit) ? text.size() : text.size() - 1;
  std::vector<std::uint32_t> numbers = ReadNumbers<std::uint32_t>(text, 0, end);
  if (numbers.size() != 1) return 0;
  std::uint32_t multiplier = 1;
  if (unit == u'G' || unit == u'g')
    multiplier = 1073741824u;
  else if (unit == u'M' || unit == u'm')
    multiplier = 1048576u;
  else if (unit == u'K' || unit == u'k')
    multiplier = 1024u;
  return numbers[0] * multiplier;
}
