// Sample codecs shared by the file formats: byte-order exchange, bit reversal and
// its display, A-law companding on the 13-bit linear scale, mu-law decoding.
#pragma once
#include <array>
#include <cstdint>

// Offset of each A-law segment (0 to 7) that the mantissa is combined with:
// 1 for segment 0, 33 shifted left by s-1 for segment s.
inline constexpr int16_t segmentBase[8] = {1, 33, 66, 132, 264, 528, 1056, 2112};

// Every A-law byte decoded, indexed by the byte; the same values as alaw_decode.
extern const std::array<int16_t, 256> alawDecodeTable;
// Every mu-law byte decoded (G.711) on the 16-bit scale: its 14-bit value times 4,
// -32124 to 32124.
extern const std::array<int16_t, 256> mulawDecodeTable;

// The two bytes of a 16-bit word exchanged; the same pattern for both signednesses.
int16_t swap16(int16_t word);
uint16_t uswap16(uint16_t word);

// Every word of a block byte-swapped in place.
void swap_words(int16_t* words, int count);
void swap_words(uint16_t* words, int count);
// Bytes exchanged in pairs in place; with an odd count the last byte stays.
void swap_byte_pairs(uint8_t* bytes, int count);

// The four bytes of a 32-bit word in reverse order. With -v, prints a trace line.
int32_t jswap(int32_t word);

// Bit k of the byte becomes bit 7-k.
uint8_t bit_reverse8(uint8_t byte);

// Prints the byte as eight digits 0/1, most significant first, and a newline.
void print_bits8(uint8_t byte);

// A-law byte to linear value, -4032 to 4032 (never 0).
int16_t alaw_decode(uint8_t code);

// Linear value to A-law byte. Magnitudes of 4096 or more print a range warning
// and give the largest code of the value's sign (0xAA positive, 0x2A negative).
uint8_t alaw_encode(int16_t value);

// alaw_encode for n samples, through a table for the values in range; the values
// out of range go through alaw_encode itself, so they warn just the same.
void alaw_encode_block(const int16_t* in, uint8_t* out, int n);

// The mu-law conversions of the hexadecimal text mode are not available: each
// prints a message and ends the run with exit code 1.
[[noreturn]] void audio_u2s(uint8_t code);
[[noreturn]] void audio_s2u(int16_t value);
