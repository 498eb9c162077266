// A-law hex text: "%x" values read one at a time (low 8 bits) and decoded;
// codes written as "%2.2X " with line feeds counted over the whole run.
#include "formats/alaw_hex.h"

#include <cstdio>

#include "core/int_scan.h"
#include "core/stop.h"
#include "core/text_block.h"
#include "core/text_format.h"
#include "formats/codecs.h"

bool read_hex_byte(const RunSettings& s, RunState& run, uint8_t& byte) {
  uint32_t number = 0;
  const int stored = scan_hex_unsigned(run.input.file, number);
  check_read(run.input);
  if (stored == EOF) return false;
  if (stored < 1) stop_unrecognizable(s.inname, run.valueCounter);
  ++run.valueCounter;
  byte = static_cast<uint8_t>(number & 0xFFu);
  if (s.bitReverse) byte = bit_reverse8(byte);
  return true;
}

int read_alaw_hex_block(const RunSettings& s, RunState& run) {
  size_t count = 0;
  uint8_t byte = 0;
  while (count < run.blockSize && read_hex_byte(s, run, byte)) {
    if (verbose) print_bits8(byte);
    run.inShorts[count++] = alaw_decode(byte);
  }
  return static_cast<int>(count);
}

void write_alaw_hex_block(RunState& run, AlawHexState& hex, int count) {
  alaw_encode_block(run.outShorts.data(), run.outBytes.data(), count);
  TextBlock text{run.output};
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    char item[4];
    format_hex_byte(item, run.outBytes[i], upperHexDigits);
    item[2] = ' ';
    item[3] = '\n';
    const bool lineEnd = (hex.codesWritten + 1) % 20 == 0;
    text_append(text, std::string_view(item, lineEnd ? 4 : 3));
    ++hex.codesWritten;
  }
  text_flush(text);
}
