#include "runtime/release_file.h"

#include "support/text.h"

namespace {

std::u16string Unquoted(std::u16string_view value) {
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') value = value.substr(1, value.size() - 2);
  return std::u16string(value);
}

}  // namespace

bool ReleaseFacts::isIbm() const {
  return implementor.find(u"IBM") != std::u16string::npos || implementor.find(u"OpenJ9") != std::u16string::npos ||
         EqualsIgnoringCase(jvmVariant, u"OpenJ9");
}

ReleaseFacts ReadReleaseFacts(std::u16string_view text) {
  ReleaseFacts facts;
  for (const std::u16string& line : SplitText(text, u"\n")) {
    std::u16string trimmed = TrimWhiteSpace(line);
    size_t equals = trimmed.find(u'=');
    if (equals == std::u16string::npos) continue;
    std::u16string_view key = std::u16string_view(trimmed).substr(0, equals);
    std::u16string value = Unquoted(std::u16string_view(trimmed).substr(equals + 1));
    if (key == u"JAVA_VERSION" && facts.javaVersion.empty()) facts.javaVersion = value;
    if (key == u"IMPLEMENTOR" && facts.implementor.empty()) facts.implementor = value;
    if (key == u"JVM_VARIANT" && facts.jvmVariant.empty()) facts.jvmVariant = value;
  }
  return facts;
}
