// Text inputs read one formatted value at a time: hexadecimal A-law and mu-law
// bytes ("%x", low 8 bits) and floating-point numbers ("%f").
#include <cstdio>

#include "core/int_scan.h"
#include "core/stop.h"
#include "core/float_scan.h"
#include "formats/codecs.h"
#include "formats/readers.h"

void stop_unrecognizable(const RunSettings& s, const RunState& run) {
  stop_with(1, "unrecognizable input in file %s at line %lld\n", s.inname.c_str(),
            static_cast<long long>(run.valueCounter));
}

// One hexadecimal value, its low 8 bits bit-reversed with -br; false at the end
// of the input before a value.
static bool scan_hex_byte(const RunSettings& s, RunState& run, uint8_t& byte) {
  uint32_t number = 0;
  const int stored = scan_hex_unsigned(run.input.file, number);
  check_read(run.input);
  if (stored == EOF) return false;
  if (stored < 1) stop_unrecognizable(s, run);
  ++run.valueCounter;
  byte = static_cast<uint8_t>(number & 0xFFu);
  if (s.bitReverse) byte = bit_reverse8(byte);
  return true;
}

int read_alaw_hex_block(const RunSettings& s, RunState& run) {
  int count = 0;
  uint8_t byte = 0;
  while (count < BUFSIZE && scan_hex_byte(s, run, byte)) {
    if (verbose) print_bits8(byte);
    run.inShorts[count++] = alaw_decode(byte);
  }
  return count;
}

// There is no mu-law decoder: the first value ends the run, an empty input gives 0.
int read_mulaw_hex_block(const RunSettings& s, RunState& run) {
  uint8_t byte = 0;
  if (scan_hex_byte(s, run, byte)) audio_u2s(byte);
  return 0;
}

int read_float_ascii_block(const RunSettings& s, RunState& run) {
  int count = 0;
  while (count < BUFSIZE) {
    const int stored = scan_float(run.input.file, run.floatBlock[count]);
    check_read(run.input);
    if (stored == EOF) break;
    if (stored < 1) stop_unrecognizable(s, run);
    ++run.valueCounter;
    ++count;
  }
  return count;
}
