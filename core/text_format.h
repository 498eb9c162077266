// Fast number-to-text for the text writers, byte-identical to printf's "%d",
// "%x" (lower case, no prefix, two's complement pattern) and "%g".
#pragma once
#include <charconv>
#include <cmath>
#include <cstdint>

// Writes the digits of `value` at `p` and returns the end; no terminator.
inline char* format_decimal(char* p, int32_t value) {
  uint32_t magnitude = static_cast<uint32_t>(value);
  if (value < 0) {
    *p++ = '-';
    magnitude = 0u - magnitude;
  }
  char digits[10];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (n > 0) *p++ = digits[--n];
  return p;
}

inline constexpr char lowerHexDigits[] = "0123456789abcdef";
inline constexpr char upperHexDigits[] = "0123456789ABCDEF";

inline char* format_hex(char* p, uint32_t value) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = lowerHexDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  while (n > 0) *p++ = digits[--n];
  return p;
}

// A byte as exactly two hex digits ("%02x" or "%2.2X" with the upper digits).
inline char* format_hex_byte(char* p, uint8_t byte, const char* digits) {
  *p++ = digits[byte >> 4];
  *p++ = digits[byte & 0xF];
  return p;
}

// "%g": six significant digits, trailing zeros dropped, exponent form outside
// 1e-4..1e6. `p` needs room for 16 characters.
inline char* format_general(char* p, double value) {
  // Whole numbers below a million (the usual 16-bit samples) print as integers.
  if (value > -1e6 && value < 1e6 && value == static_cast<double>(static_cast<int32_t>(value)) &&
      !(value == 0 && std::signbit(value)))
    return format_decimal(p, static_cast<int32_t>(value));
  return std::to_chars(p, p + 16, value, std::chars_format::general, 6).ptr;
}
