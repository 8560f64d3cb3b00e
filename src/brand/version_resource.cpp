#include "brand/version_resource.h"

#include <cstdio>

#include "brand/utf.h"

namespace {

enum class ValueType : std::uint16_t { kBinary = 0, kText = 1 };

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::uint32_t kFixedStructureVersion = 0x00010000;
constexpr std::uint32_t kAllFileFlags = 0x3F;
constexpr std::uint32_t kWindowsNt32 = 0x00040004;  // VOS_NT_WINDOWS32
constexpr std::uint32_t kApplication = 1;           // VFT_APP
constexpr std::size_t kLargestNode = 0xFFFF;

void AppendText(Bytes& bytes, std::u16string_view text) {
  for (char16_t unit : text) AppendU16(bytes, unit);
  AppendU16(bytes, 0);
}

// One node of the version tree: its length, the value's length (in bytes for
// binary values, in characters for text), its type and key, then the value
// and the children, each beginning on a 32-bit boundary.
Bytes Node(std::u16string_view key, ValueType type, const Bytes& value, std::uint16_t valueLength,
           const std::vector<Bytes>& children = {}) {
  Bytes node;
  AppendU16(node, 0);
  AppendU16(node, valueLength);
  AppendU16(node, static_cast<std::uint16_t>(type));
  AppendText(node, key);
  PadTo(node, 4);
  node.insert(node.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    PadTo(node, 4);
    node.insert(node.end(), child.begin(), child.end());
  }
  WriteU16(node, 0, static_cast<std::uint16_t>(node.size()));
  return node;
}

Bytes TextNode(const std::string& key, const std::string& value) {
  const std::u16string text = Utf16FromUtf8(value);
  Bytes bytes;
  AppendText(bytes, text);
  return Node(Utf16FromUtf8(key), ValueType::kText, bytes, static_cast<std::uint16_t>(text.size() + 1));
}

void AppendVersion(Bytes& bytes, const VersionNumber& version) {
  AppendU32(bytes, static_cast<std::uint32_t>(version[0]) << 16 | version[1]);
  AppendU32(bytes, static_cast<std::uint32_t>(version[2]) << 16 | version[3]);
}

Bytes FixedInfo(const VersionInfo& info) {
  Bytes fixed;
  AppendU32(fixed, kFixedSignature);
  AppendU32(fixed, kFixedStructureVersion);
  AppendVersion(fixed, info.fileVersion);
  AppendVersion(fixed, info.productVersion);
  AppendU32(fixed, kAllFileFlags);
  AppendU32(fixed, 0);  // no flags: not a debug, patched or pre-release build
  AppendU32(fixed, kWindowsNt32);
  AppendU32(fixed, kApplication);
  AppendU32(fixed, 0);  // subtype
  AppendU32(fixed, 0);  // date, which Windows does not show
  AppendU32(fixed, 0);
  return fixed;
}

}  // namespace

Result<Bytes> VersionResource(const VersionInfo& info) {
  char tableKey[9];
  std::snprintf(tableKey, sizeof tableKey, "%04X%04X", kVersionLanguage, kVersionCodePage);
  std::vector<Bytes> strings;
  for (const auto& [name, value] : info.strings) strings.push_back(TextNode(name, value));
  const Bytes table = Node(Utf16FromUtf8(tableKey), ValueType::kText, {}, 0, strings);
  const Bytes stringInfo = Node(u"StringFileInfo", ValueType::kText, {}, 0, {table});

  Bytes translation;
  AppendU16(translation, kVersionLanguage);
  AppendU16(translation, kVersionCodePage);
  const Bytes var = Node(u"Translation", ValueType::kBinary, translation, 4);
  const Bytes varInfo = Node(u"VarFileInfo", ValueType::kText, {}, 0, {var});

  const Bytes fixed = FixedInfo(info);
  Bytes resource = Node(u"VS_VERSION_INFO", ValueType::kBinary, fixed, static_cast<std::uint16_t>(fixed.size()),
                        {stringInfo, varInfo});
  // Every node lies within the whole, so the whole is the one to check.
  if (resource.size() > kLargestNode) return Failure{"the version strings are too long for a version resource"};
  return resource;
}
