#include "support/standard_streams.h"

// A POSIX launcher has its streams from its parent; there is no windowed kind.
std::u16string ConnectStandardStreams() { return {}; }

bool ShowErrorBox(std::u16string_view, std::u16string_view) { return false; }
