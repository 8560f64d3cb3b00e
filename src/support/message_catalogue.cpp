#include "support/message_catalogue.h"

#define MESSAGE(id, text) {id, u"" text},
const CatalogueEntry kMessageCatalogue[] = {
#include "resources/messages.def"
};
#undef MESSAGE

const std::size_t kMessageCatalogueSize = sizeof kMessageCatalogue / sizeof kMessageCatalogue[0];

const char16_t* FindCatalogueText(MessageId id) {
  for (const CatalogueEntry& entry : kMessageCatalogue)
    if (entry.id == id) return entry.text;
  return nullptr;
}
