// mu-law hex: the values reach the codec's stubs, which end the run with their
// message; nothing is ever written.
#include "formats/mulaw_hex.h"

#include "formats/alaw_hex.h"
#include "formats/codecs.h"

int read_mulaw_hex_block(const RunSettings& s, RunState& run) {
  uint8_t byte = 0;
  if (read_hex_byte(s, run, byte)) audio_u2s(byte);
  return 0;
}

void write_mulaw_hex_block(RunState& run, int count) {
  if (count > 0) audio_s2u(run.outShorts[0]);
}
