// The "%hi" conversion done by hand on the stream's buffer: the same base rules,
// the same overflow (saturation at the long range, then the low 16 bits), the same pushback.
#include "conv/short_scan.h"

#include <cctype>
#include <limits>

namespace {

int digit_value(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Magnitude accumulation that remembers whether it went past what a long holds.
struct Magnitude {
  uint64_t value = 0;
  bool overflow = false;

  void add(int base, int digit) {
    if (overflow) return;
    const uint64_t limit = (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / base;
    if (value > limit) overflow = true;
    else value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }

  // The long strtol gives for this magnitude and sign, as its low 16 bits.
  int16_t as_short(bool negative) const {
    constexpr uint64_t longMax = static_cast<uint64_t>(std::numeric_limits<long>::max());
    uint64_t bits;
    if (negative) bits = (overflow || value > longMax + 1) ? longMax + 1 : 0 - value;
    else bits = (overflow || value > longMax) ? longMax : value;
    return static_cast<int16_t>(static_cast<uint16_t>(bits & 0xFFFF));
  }
};

}  // namespace

int scan_short(FILE* file, int16_t& value) {
  int c;
  do c = getc_unlocked(file);
  while (c != EOF && isspace(c));
  if (c == EOF) return EOF;

  const bool negative = c == '-';
  if (c == '-' || c == '+') c = getc_unlocked(file);
  int base = 10;
  bool digits = false;
  if (c == '0') {
    digits = true;
    c = getc_unlocked(file);
    if (c == 'x' || c == 'X') {
      base = 16;
      c = getc_unlocked(file);
    } else {
      base = 8;
    }
  }
  Magnitude magnitude;
  for (; c != EOF && digit_value(c) < base; c = getc_unlocked(file)) {
    magnitude.add(base, digit_value(c));
    digits = true;
  }
  if (c != EOF) ungetc(c, file);
  if (!digits) return 0;
  value = magnitude.as_short(negative);
  return 1;
}

int16_t hex_token_value(std::string_view token) {
  Magnitude magnitude;
  for (char c : token) {
    const int digit = digit_value(static_cast<unsigned char>(c));
    if (digit >= 16) break;
    magnitude.add(16, digit);
  }
  return magnitude.as_short(false);
}
