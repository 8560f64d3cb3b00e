#include "instance/argument_area.h"

#include <cstring>

#include "support/text.h"

namespace {

void WriteListSize(std::size_t size, unsigned char* area) {
  for (std::size_t k = 0; k < kListSizeField; ++k) area[k] = static_cast<unsigned char>(size >> (8 * k));
}

}  // namespace

std::string EncodeArguments(const std::vector<std::u16string>& arguments) {
  std::string list;
  for (const std::u16string& argument : arguments) {
    list += ToUtf8(argument);
    list += '\0';
  }
  return list;
}

std::vector<std::u16string> DecodeArguments(std::string_view list) {
  std::vector<std::u16string> arguments;
  for (std::size_t end; (end = list.find('\0')) != std::string_view::npos; list.remove_prefix(end + 1))
    arguments.push_back(FromUtf8(list.substr(0, end)));
  return arguments;
}

void WriteListToArea(std::string_view list, unsigned char* area) {
  std::memset(area, 0, kArgumentAreaSize);
  WriteListSize(list.size(), area);
  std::memcpy(area + kListSizeField, list.data(), list.size());
}

bool WriteListPlaceToArea(std::size_t listSize, std::u16string_view mappingName, unsigned char* area) {
  const std::string name = ToUtf8(mappingName);
  if (name.size() + 1 > kAreaListCapacity) return false;
  std::memset(area, 0, kArgumentAreaSize);
  WriteListSize(listSize, area);
  std::memcpy(area + kListSizeField, name.data(), name.size());
  return true;
}

AreaContent ReadArea(const unsigned char* area) {
  AreaContent content;
  for (std::size_t k = 0; k < kListSizeField; ++k) content.listSize |= static_cast<std::size_t>(area[k]) << (8 * k);
  const char* rest = reinterpret_cast<const char*>(area + kListSizeField);
  content.listIsHere = content.listSize <= kAreaListCapacity;
  if (content.listIsHere) {
    content.list.assign(rest, content.listSize);
  } else {
    const void* end = std::memchr(rest, 0, kAreaListCapacity);
    content.mappingName =
        FromUtf8(std::string_view(rest, end ? static_cast<const char*>(end) - rest : kAreaListCapacity));
  }
  return content;
}
