// Building binary header inputs for the format tests: numbers as bytes in either
// order, and RIFF chunks and files made of them.
#pragma once
#include <cstdint>
#include <string>

inline std::string le32(uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}
inline std::string le16(uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
inline std::string be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}
inline std::string be16(uint16_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }

// A chunk as it stands in the file: id, little-endian length, contents (no pad).
inline std::string chunk(const std::string& id, const std::string& body) {
  return id + le32(static_cast<uint32_t>(body.size())) + body;
}
// The 16 bytes of a format chunk's contents.
inline std::string format_body(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t blockAlign,
                               uint16_t bits) {
  return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits);
}
// "RIFF", the length of what follows, "WAVE" and the chunks.
inline std::string riff(const std::string& chunks) {
  return "RIFF" + le32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}
// A canonical 16-bit PCM file.
inline std::string pcm16_wav(uint32_t rate, const std::string& samples) {
  return riff(chunk("fmt ", format_body(1, 1, rate, 2, 16)) + chunk("data", samples));
}
