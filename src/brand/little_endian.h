// Little-endian fields of file formats, read and written with every offset
// checked against the size, so that a truncated or hostile file is refused
// rather than read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Whether count bytes from offset lie within size (without overflowing).
inline bool Fits(std::size_t size, std::size_t offset, std::size_t count) {
  return offset <= size && count <= size - offset;
}

inline std::uint32_t ReadField(const Bytes& bytes, std::size_t offset, int width) {
  if (!Fits(bytes.size(), offset, width)) return 0;
  std::uint32_t value = 0;
  for (int k = width - 1; k >= 0; --k) value = value << 8 | bytes[offset + k];
  return value;
}

inline std::uint16_t ReadU16(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(ReadField(bytes, offset, 2));
}
inline std::uint32_t ReadU32(const Bytes& bytes, std::size_t offset) { return ReadField(bytes, offset, 4); }

inline void WriteField(Bytes& bytes, std::size_t offset, std::uint32_t value, int width) {
  if (!Fits(bytes.size(), offset, width)) return;
  for (int k = 0; k < width; ++k) bytes[offset + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

inline void WriteU16(Bytes& bytes, std::size_t offset, std::uint16_t value) { WriteField(bytes, offset, value, 2); }
inline void WriteU32(Bytes& bytes, std::size_t offset, std::uint32_t value) { WriteField(bytes, offset, value, 4); }

inline void AppendU16(Bytes& bytes, std::uint16_t value) {
  bytes.resize(bytes.size() + 2);
  WriteU16(bytes, bytes.size() - 2, value);
}
inline void AppendU32(Bytes& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 4);
  WriteU32(bytes, bytes.size() - 4, value);
}

inline std::size_t AlignUp(std::size_t value, std::size_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}
inline void PadTo(Bytes& bytes, std::size_t alignment) { bytes.resize(AlignUp(bytes.size(), alignment)); }
