// A label whose link is only the part between "<A>" and "</A>".
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct LabelParts {
  std::optional<std::u16string> before;  // absent when the label starts with the tag
  std::optional<std::u16string> link;    // absent when the label has no "<A>"
  std::optional<std::u16string> after;   // absent when nothing follows "</A>"
};

// Tags are found without regard to case. A label without "<A>" is all text
// before the link. A "<A>" without "</A>" makes the rest the link.
LabelParts SplitTaggedLabel(std::u16string_view label);
