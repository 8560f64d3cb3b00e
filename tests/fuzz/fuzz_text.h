// Turning a fuzzer's bytes into the launcher's text. Raw text takes two bytes
// per UTF-16 code unit, so that lone surrogates and every other unit occur;
// readable text is the bytes decoded as UTF-8, so that seed files can be
// written by hand and the fuzzer still reaches the ASCII syntax of settings.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "support/text.h"

inline std::u16string RawText(const std::string& bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
  return text;
}

inline std::u16string ConsumeRawText(FuzzedDataProvider& data, std::size_t maxUnits) {
  return RawText(data.ConsumeRandomLengthString(maxUnits * 2));
}

inline std::u16string ConsumeReadableText(FuzzedDataProvider& data, std::size_t maxBytes) {
  return FromUtf8(data.ConsumeRandomLengthString(maxBytes));
}
