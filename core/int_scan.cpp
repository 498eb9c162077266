// The "%hi" and "%x" conversions done by hand on the stream's buffer: the same base
// rules, the same overflow (saturation at the long range), the same pushback.
#include "core/int_scan.h"

#include <cctype>
#include <limits>

namespace {

// White space of the C locale, as the scan skips it.
inline bool is_space(int c) { return c == ' ' || static_cast<unsigned>(c - '\t') <= '\r' - '\t'; }

int digit_value(int c) {
  if (static_cast<unsigned>(c - '0') <= 9) return c - '0';
  if (static_cast<unsigned>((c | 0x20) - 'a') <= 5) return (c | 0x20) - 'a' + 10;
  return 99;
}

// Magnitude accumulation that remembers whether it went past what a long holds.
struct Magnitude {
  uint64_t value = 0;
  bool overflow = false;

  void add(int base, int digit) {
    if (value <= (std::numeric_limits<uint64_t>::max() >> 5)) {  // no overflow possible
      value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
      return;
    }
    if (overflow) return;
    const uint64_t limit =
        (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(base);
    if (value > limit)
      overflow = true;
    else
      value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  }

  // The long strtol gives for this magnitude and sign, as its low 16 bits.
  int16_t as_short(bool negative) const {
    constexpr uint64_t longMax = static_cast<uint64_t>(std::numeric_limits<long>::max());
    uint64_t bits;
    if (negative)
      bits = (overflow || value > longMax + 1) ? longMax + 1 : 0 - value;
    else
      bits = (overflow || value > longMax) ? longMax : value;
    return static_cast<int16_t>(static_cast<uint16_t>(bits & 0xFFFF));
  }
};

}  // namespace

// The characters of one integer as the C library's integer conversions take
// them: white space, sign, base prefix, digits. Base 0 picks 8, 10 or 16 by prefix.
static int scan_integer(FILE* file, int base, bool& negative, Magnitude& magnitude) {
  int c;
  do c = getc_unlocked(file);
  while (is_space(c));
  if (c == EOF) return EOF;

  negative = c == '-';
  if (c == '-' || c == '+') c = getc_unlocked(file);
  bool digits = false;
  if (c == '0') {
    digits = true;
    c = getc_unlocked(file);
    if ((c == 'x' || c == 'X') && (base == 0 || base == 16)) {
      base = 16;
      c = getc_unlocked(file);
    } else if (base == 0) {
      base = 8;
    }
  }
  if (base == 0) base = 10;
  if (base == 10) {
    for (; static_cast<unsigned>(c - '0') <= 9; c = getc_unlocked(file)) {
      magnitude.add(10, c - '0');
      digits = true;
    }
  } else {
    for (; c != EOF && digit_value(c) < base; c = getc_unlocked(file)) {
      magnitude.add(base, digit_value(c));
      digits = true;
    }
  }
  // The character after the number stays for the next read; white space after
  // it is dropped at once, since every read begins by skipping it.
  if (c != EOF && !(digits && is_space(c))) ungetc(c, file);
  return digits ? 1 : 0;
}

int scan_short(FILE* file, int16_t& value) {
  bool negative = false;
  Magnitude magnitude;
  const int result = scan_integer(file, 0, negative, magnitude);
  if (result == 1) value = magnitude.as_short(negative);
  return result;
}

int scan_hex_unsigned(FILE* file, uint32_t& value) {
  bool negative = false;
  Magnitude magnitude;
  const int result = scan_integer(file, 16, negative, magnitude);
  if (result != 1) return result;
  // strtoul: an overflow gives the largest unsigned long, a '-' negates.
  uint64_t wide = magnitude.overflow ? std::numeric_limits<uint64_t>::max() : magnitude.value;
  if (negative && !magnitude.overflow) wide = 0 - wide;
  value = static_cast<uint32_t>(wide);
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
