#include "instance/argument_area_win32.h"

#include <cstring>
#include <string_view>

#include "instance/argument_area.h"
#include "support/wide_win32.h"

namespace {

constexpr char16_t kArgumentsSuffix[] = u"_upr_args_";

}  // namespace

bool PutArguments(const TokenList& arguments, const std::u16string& instanceName, unsigned char* area,
                  UniqueHandle& mapping) {
  const std::string list = EncodeArguments(arguments);
  if (list.size() <= kAreaListCapacity) {
    WriteListToArea(list, area);
    return true;
  }
  const std::u16string name = instanceName + kArgumentsSuffix + ToDecimal(GetCurrentProcessId());
  mapping.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(list.size()),
                                   Wide(name)));
  // One that exists already is not ours to fill.
  if (!mapping || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0));
  if (!view) return false;
  std::memcpy(const_cast<void*>(view.get()), list.data(), list.size());
  return WriteListPlaceToArea(list.size(), name, area);
}

std::optional<TokenList> TakeArguments(const unsigned char* area) {
  const AreaContent content = ReadArea(area);
  if (content.listIsHere) return DecodeArguments(content.list);
  UniqueHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, Wide(content.mappingName)));
  if (!mapping) return std::nullopt;
  UniqueMappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return std::nullopt;
  // Whoever filled the area may claim more than the mapping holds.
  MEMORY_BASIC_INFORMATION region;
  if (VirtualQuery(view.get(), &region, sizeof region) == 0 || region.RegionSize < content.listSize)
    return std::nullopt;
  return DecodeArguments(std::string_view(static_cast<const char*>(view.get()), content.listSize));
}
