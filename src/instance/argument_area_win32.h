// The Windows side of a later start's arguments: the argument area of the
// shared block, and for a list that does not fit there, a page-file mapping
// made for that request alone (argument_area.h describes both).
#pragma once

#include <optional>
#include <string>

#include "support/handles_win32.h"
#include "support/text.h"

// Later start: puts the arguments in the area, or in a new mapping named
// after the instance and this process that the area names; mapping keeps it,
// as it must outlive the listener's copy. False when neither can be had.
bool PutArguments(const TokenList& arguments, const std::u16string& instanceName, unsigned char* area,
                  UniqueHandle& mapping);

// First instance: the arguments the area holds or names. Nothing when the
// mapping it names cannot be opened or is smaller than the size it gives.
std::optional<TokenList> TakeArguments(const unsigned char* area);
