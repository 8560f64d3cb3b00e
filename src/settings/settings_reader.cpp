#include "settings/settings_reader.h"

std::optional<std::u16string> SettingsFilePath(std::u16string_view modulePath, PathStyle style) {
  size_t dot = modulePath.rfind(u'.');
  if (style == PathStyle::Windows) {
    if (dot == std::u16string_view::npos) return std::nullopt;
    return std::u16string(modulePath.substr(0, dot + 1)) + u"ini";
  }
  size_t nameStart = modulePath.size() - FileNameOf(modulePath, style).size();
  if (dot == std::u16string_view::npos || dot < nameStart) return std::u16string(modulePath) + u".ini";
  return std::u16string(modulePath.substr(0, dot + 1)) + u"ini";
}

std::u16string SettingsReader::readValue(std::u16string_view section, std::u16string_view key,
                                         Continuation continuation) const {
  std::u16string value = readPlain(section, key);
  if (!value.empty() || continuation == Continuation::None) return value;
  std::u16string continued = readPlain(std::u16string(section) + u"+", key);
  if (continuation == Continuation::AsWritten || continued.empty() || continued[0] == u' ') return continued;
  return u" " + continued;
}
