#include <cstdio>

#include "support/message_catalogue.h"
#include "support/text.h"

std::u16string LoadMessage(MessageId id) {
  const char16_t* text = FindCatalogueText(id);
  return text ? std::u16string(text) : std::u16string();
}

void WriteStandardOutput(std::u16string_view line) {
  std::string narrow = ToUtf8(line);
  std::fwrite(narrow.data(), 1, narrow.size(), stdout);
  std::fflush(stdout);
}
