// Resource sections: any bytes (after a section address) are read without
// reading past them or copying more than they hold, and an accepted tree is
// written and read back the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "brand/resource_tree.h"
#include "fuzz_check.h"

namespace {

std::size_t DataSize(const ResourceTree& tree) {
  std::size_t size = 0;
  for (const auto& [type, names] : tree)
    for (const auto& [name, languages] : names)
      for (const auto& [language, data] : languages) size += data.bytes.size();
  return size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::uint32_t address = data.ConsumeIntegralInRange<std::uint32_t>(0, 0x100000);
  const std::vector<std::uint8_t> section = data.ConsumeRemainingBytes<std::uint8_t>();
  const Result<ResourceTree> tree = ReadResourceTree(section, address);
  if (!tree.ok()) {
    FUZZ_CHECK(tree.error().rfind("malformed resource section: ", 0) == 0);
    return 0;
  }
  FUZZ_CHECK(DataSize(tree.value()) <= section.size());
  const Result<ResourceTree> reread = ReadResourceTree(WriteResourceTree(tree.value(), address), address);
  FUZZ_CHECK(reread.ok() && reread.value() == tree.value());
  return 0;
}
