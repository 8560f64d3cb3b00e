#include "support/java_version.h"

#include "support/text.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The largest group value that may still take another digit. Past it a group
// leaves the signed 32-bit range, so a digit arriving then fails the parse.
constexpr std::int32_t kLargestExtensibleGroup = 214748364;
constexpr std::int32_t kLargestGroup = 2147483647;

}  // namespace

bool JavaVersion::parse(std::u16string_view text, std::int32_t fill) {
  *this = JavaVersion();
  size_t i = 0;
  while (i < text.size() && !IsDigit(text[i])) ++i;
  if (i == text.size()) return false;

  int group = 0;
  for (;;) {
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      std::int32_t digit = text[i] - u'0';
      std::int32_t current = parts[group];
      // Ten-digit groups above 2147483647 are rejected as an eleventh digit is.
      if (current > kLargestExtensibleGroup || (current == kLargestExtensibleGroup && digit > kLargestGroup % 10)) {
        *this = JavaVersion();
        return false;
      }
      parts[group] = current * 10 + digit;
    }
    while (i < text.size() && !IsDigit(text[i])) ++i;
    if (i == text.size()) break;
    if (++group == 4) break;
  }
  count = group + 1;
  for (int k = count; k < 4; ++k) parts[k] = fill;
  return true;
}

int JavaVersion::compare(const JavaVersion& a, const JavaVersion& b) {
  for (int k = 0; k < 4; ++k) {
    if (a.parts[k] < b.parts[k]) return -1;
    if (a.parts[k] > b.parts[k]) return 1;
  }
  return 0;
}

bool JavaVersion::equalParts(const JavaVersion& a, const JavaVersion& b) { return a.parts == b.parts; }

bool JavaVersion::matches(const JavaVersion& candidate, const JavaVersion& preferred) {
  if (equalParts(candidate, preferred)) return true;
  if (preferred.count == 0 || preferred.count > candidate.count) return false;
  for (int k = 0; k < preferred.count && k < 4; ++k)
    if (candidate.parts[k] != preferred.parts[k]) return false;
  return true;
}

namespace {

bool IsFiller(std::int32_t part) { return part == 0 || part == JavaVersion::kOpenMaximumPart; }

}  // namespace

bool JavaVersion::isUnset() const { return parts == OpenMinimum().parts || parts == OpenMaximum().parts; }

std::u16string JavaVersion::toText() const {
  int last = 3;
  while (last >= 0 && IsFiller(parts[last])) --last;
  if (last < 0) return u"0.0.0.0";
  if (last < 1) last = 1;
  std::u16string text = ToDecimal(parts[0]);
  for (int k = 1; k <= last; ++k) text += u"." + ToDecimal(parts[k]);
  return text;
}

JavaVersion MinimumVersionSetting(std::u16string_view text) {
  if (text == u"any") return JavaVersion::OpenMinimum();
  JavaVersion version;
  version.parse(text, 0);
  return version;
}

JavaVersion MaximumVersionSetting(std::u16string_view text) {
  if (text == u"any") return JavaVersion::OpenMaximum();
  JavaVersion version;
  // A text that names no version sets no bound: read as 0.0.0.0 it would
  // admit no runtime at all, while the missing-runtime message calls it open.
  if (!version.parse(text, JavaVersion::kOpenMaximumPart)) return JavaVersion::OpenMaximum();
  return version;
}
