// Sample codecs: byte-order exchange, bit reversal, A-law companding (G.711 on the
// 13-bit linear scale, saturating out of range), mu-law decoding (G.711).
#include "formats/codecs.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/settings.h"
#include "core/stop.h"

namespace {

// Decodes one A-law byte: even bits inverted, bit 7 set for positive values,
// bits 6-4 the segment, bits 3-0 the mantissa. Segment 0 gives 2m+1, segment s
// gives (2m+33) << (s-1); the shifted mantissa and the base never share a bit.
constexpr int16_t decode_alaw_code(uint8_t code) {
  const unsigned bits = code ^ 0x55u;
  const unsigned segment = (bits >> 4) & 0x07u;
  const unsigned mantissa = bits & 0x0Fu;
  const unsigned shift = segment == 0 ? 1 : segment;
  const int magnitude = static_cast<int>((mantissa << shift) | static_cast<unsigned>(segmentBase[segment]));
  return static_cast<int16_t>((bits & 0x80u) ? magnitude : -magnitude);
}

// A-law encoding rows: the first row whose bound the magnitude is under gives the
// shift that leaves the 4-bit mantissa, and the segment bits of the code.
struct EncodeRow {
  unsigned bound;
  unsigned shift;
  uint8_t segmentBits;
};

constexpr EncodeRow encodeRows[8] = {
    {32, 1, 0x00},  {64, 1, 0x10},   {128, 2, 0x20},  {256, 3, 0x30},
    {512, 4, 0x40}, {1024, 5, 0x50}, {2048, 6, 0x60}, {4096, 7, 0x70},
};

// Magnitudes from here on fit no segment.
constexpr unsigned alawMagnitudeLimit = 4096;

// Segment and mantissa bits of a magnitude below alawMagnitudeLimit, before the
// sign bit and the even-bit inversion.
constexpr uint8_t segment_and_mantissa(unsigned magnitude) {
  for (const EncodeRow& row : encodeRows) {
    if (magnitude < row.bound)
      return static_cast<uint8_t>(((magnitude >> row.shift) & 0x0Fu) | row.segmentBits);
  }
  return 0;  // not reached below the limit
}

// Sign bit of the code: set for zero and positive values. -x, not -x-1, is the
// magnitude of a negative x, so -32768 has the magnitude 32768.
constexpr uint8_t sign_bit(int value) { return value < 0 ? 0x00 : 0x80; }
constexpr unsigned magnitude_of(int value) { return static_cast<unsigned>(value < 0 ? -value : value); }

// Decodes one mu-law byte: all bits inverted, bit 7 set for negative values,
// bits 6-4 the segment, bits 3-0 the mantissa. The 14-bit magnitude is
// ((2m+33) << s) - 33, bit 0 of the 16-bit scale being two places below it.
constexpr int16_t decode_mulaw_code(uint8_t code) {
  const unsigned bits = ~static_cast<unsigned>(code) & 0xFFu;
  const unsigned segment = (bits >> 4) & 0x07u;
  const unsigned mantissa = bits & 0x0Fu;
  const int magnitude = static_cast<int>(((2 * mantissa + 33) << segment) - 33) * 4;
  return static_cast<int16_t>((bits & 0x80u) ? -magnitude : magnitude);
}

constexpr std::array<int16_t, 256> make_mulaw_table() {
  std::array<int16_t, 256> table{};
  for (unsigned code = 0; code < 256; ++code) table[code] = decode_mulaw_code(static_cast<uint8_t>(code));
  return table;
}

constexpr std::array<int16_t, 256> make_decode_table() {
  std::array<int16_t, 256> table{};
  for (unsigned code = 0; code < 256; ++code) table[code] = decode_alaw_code(static_cast<uint8_t>(code));
  return table;
}

constexpr std::array<uint8_t, alawMagnitudeLimit> make_encode_table() {
  std::array<uint8_t, alawMagnitudeLimit> table{};
  for (unsigned magnitude = 0; magnitude < alawMagnitudeLimit; ++magnitude) {
    table[magnitude] = segment_and_mantissa(magnitude);
  }
  return table;
}

// Segment and mantissa bits of every magnitude in range, for the block encoder.
constexpr std::array<uint8_t, alawMagnitudeLimit> encodeMagnitudeTable = make_encode_table();

}  // namespace

constexpr std::array<int16_t, 256> alawDecodeTable = make_decode_table();
constexpr std::array<int16_t, 256> mulawDecodeTable = make_mulaw_table();

int16_t swap16(int16_t word) { return static_cast<int16_t>(uswap16(static_cast<uint16_t>(word))); }

uint16_t uswap16(uint16_t word) {
  const unsigned bits = word;
  return static_cast<uint16_t>((bits << 8) | (bits >> 8));
}

void swap_words(int16_t* words, int count) {
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) words[i] = swap16(words[i]);
}

void swap_words(uint16_t* words, int count) {
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) words[i] = uswap16(words[i]);
}

void swap_byte_pairs(uint8_t* bytes, int count) {
  for (int i = 0; i + 1 < count; i += 2) std::swap(bytes[i], bytes[i + 1]);
}

int32_t jswap(int32_t word) {
  if (verbose) printf(" WARNUNG !! jswap:: ");
  const uint32_t in = static_cast<uint32_t>(word);
  const uint32_t out =
      ((in & 0xFFu) << 24) | ((in & 0xFF00u) << 8) | ((in & 0xFF0000u) >> 8) | ((in & 0xFF000000u) >> 24);
  const int32_t swapped = static_cast<int32_t>(out);
  if (verbose) {
    // The word as a 32-bit value: signed in decimal, its unsigned pattern in hex.
    printf("in = %li, %lx,  out =  %li, %lx\n", static_cast<long>(word), static_cast<unsigned long>(in),
           static_cast<long>(swapped), static_cast<unsigned long>(out));
  }
  return swapped;
}

uint8_t bit_reverse8(uint8_t byte) {
  unsigned reversed = 0;
  for (unsigned k = 0; k < 8; ++k) {
    if (byte & (1u << k)) reversed |= 0x80u >> k;
  }
  return static_cast<uint8_t>(reversed);
}

void print_bits8(uint8_t byte) {
  for (unsigned mask = 0x80; mask != 0; mask >>= 1) printf("%c", (byte & mask) ? '1' : '0');
  printf("\n");
}

int16_t alaw_decode(uint8_t code) { return decode_alaw_code(code); }

uint8_t alaw_encode(int16_t value) {
  const uint8_t sign = sign_bit(value);
  const unsigned magnitude = magnitude_of(value);
  if (magnitude >= alawMagnitudeLimit) {
    printf("         Achtung Fehler ! \n");
    printf("Der eingelesene Wert ist zu gross \n");
    printf("Wert = %d \n", value);
    // Saturate: the largest code of the value's sign (decodes to 4032 or -4032).
    return static_cast<uint8_t>((0x7Fu | sign) ^ 0x55u);
  }
  return static_cast<uint8_t>((segment_and_mantissa(magnitude) | sign) ^ 0x55u);
}

void alaw_encode_block(const int16_t* in, uint8_t* out, int n) {
  for (int i = 0; i < n; ++i) {
    const unsigned magnitude = magnitude_of(in[i]);
    if (magnitude >= alawMagnitudeLimit) {
      out[i] = alaw_encode(in[i]);
    } else {
      out[i] = static_cast<uint8_t>((encodeMagnitudeTable[magnitude] | sign_bit(in[i])) ^ 0x55u);
    }
  }
}

void audio_u2s(uint8_t) { stop_with(1, "function audio_u2s not implemented on PC\n"); }

void audio_s2u(int16_t) { stop_with(1, "function audio_s2u not implemented on PC\n"); }
