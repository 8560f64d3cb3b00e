// The catalogue compiled in as constant data, for builds without a string
// table and for checking the Windows string table against its source.
#pragma once

#include <cstddef>

#include "support/messages.h"

struct CatalogueEntry {
  MessageId id;
  const char16_t* text;
};

extern const CatalogueEntry kMessageCatalogue[];
extern const std::size_t kMessageCatalogueSize;

// The text of id in kMessageCatalogue; null when there is none.
const char16_t* FindCatalogueText(MessageId id);
