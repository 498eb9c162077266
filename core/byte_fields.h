// Typed access to the numeric fields of binary headers held in byte buffers:
// 16- and 32-bit words, least or most significant byte first.
#pragma once
#include <cstdint>

inline uint32_t read_le32u(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
inline int32_t read_le32(const uint8_t* p) { return static_cast<int32_t>(read_le32u(p)); }
inline int16_t read_le16(const uint8_t* p) {
  return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

inline void write_le32(uint8_t* p, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  p[0] = static_cast<uint8_t>(bits);
  p[1] = static_cast<uint8_t>(bits >> 8);
  p[2] = static_cast<uint8_t>(bits >> 16);
  p[3] = static_cast<uint8_t>(bits >> 24);
}
inline void write_be32(uint8_t* p, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  p[0] = static_cast<uint8_t>(bits >> 24);
  p[1] = static_cast<uint8_t>(bits >> 16);
  p[2] = static_cast<uint8_t>(bits >> 8);
  p[3] = static_cast<uint8_t>(bits);
}
inline void write_le16(uint8_t* p, int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  p[0] = static_cast<uint8_t>(bits);
  p[1] = static_cast<uint8_t>(bits >> 8);
}
