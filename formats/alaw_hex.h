// A-law hex (file mode 6): A-law codes as hexadecimal text; on output two
// upper-case digits and a blank a code, a line feed after every 20th of the run.
#pragma once
#include <cstdint>

#include "core/run_state.h"
#include "core/settings.h"

struct AlawHexState {
  int64_t codesWritten = 0;  // over the whole run: lines run on across blocks
};

int read_alaw_hex_block(const RunSettings& s, RunState& run);
void write_alaw_hex_block(RunState& run, AlawHexState& hex, int count);

// One "%x" value of a hex text input, its low 8 bits bit-reversed with -br;
// false at the end of the input. Also read by the mu-law hex input.
bool read_hex_byte(const RunSettings& s, RunState& run, uint8_t& byte);
