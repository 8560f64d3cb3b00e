// The application manifest: changed only where an option asks for it.
#pragma once

#include <string>

#include "brand/result.h"

// A manifest that says no more than the manifest version, for an image
// that has none.
std::string EmptyManifest();

// Declares per-monitor DPI awareness (version 2 where Windows knows it, the
// first version before), inside the closing assembly tag. Refuses a manifest
// that declares DPI awareness already in other words, or has no closing tag.
Result<std::string> DeclareDpiAwareness(const std::string& manifest);
