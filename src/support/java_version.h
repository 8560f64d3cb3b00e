// Java version numbers as runtimes and settings write them (1.6, 1.6.0_24,
// jre1.5.0_10, 6u21): up to four digit groups, ordered part by part.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct JavaVersion {
  static constexpr std::int32_t kOpenMaximumPart = 65535;

  std::array<std::int32_t, 4> parts{};
  // Digit groups read: 0 when nothing was parsed, 5 when there were more than four.
  std::int32_t count = 0;

  static JavaVersion OpenMinimum() { return {{0, 0, 0, 0}, 4}; }
  static JavaVersion OpenMaximum() {
    return {{kOpenMaximumPart, kOpenMaximumPart, kOpenMaximumPart, kOpenMaximumPart}, 4};
  }

  // Reads the digit groups of text; parts the text does not supply get fill.
  // On failure the value is all zero with count 0.
  bool parse(std::u16string_view text, std::int32_t fill);

  // -1, 0 or +1 by the four parts; the count plays no part.
  static int compare(const JavaVersion& a, const JavaVersion& b);
  static bool equalParts(const JavaVersion& a, const JavaVersion& b);
  // Whether a preferred version picks an installed one: equal parts, or the
  // preferred version's groups are a prefix of the candidate's.
  static bool matches(const JavaVersion& candidate, const JavaVersion& preferred);

  // All four parts 0, or all 65535.
  bool isUnset() const;
  // Short form: trailing parts of 0 or 65535 dropped, never fewer than two.
  std::u16string toText() const;
};

// The value of a "Minimum Version" or "Maximum Version" setting: the exact
// word "any" opens the bound, anything else is parsed with the bound's fill.
// A maximum that names no version (empty, no digits) is open as well.
JavaVersion MinimumVersionSetting(std::u16string_view text);
JavaVersion MaximumVersionSetting(std::u16string_view text);
