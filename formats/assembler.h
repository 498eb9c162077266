// Assembler listing (file mode 10, output only): a comment header with the whole
// command line, then one line a word of A-law codes, linear values or ADPCM codes.
#pragma once
#include <cstdint>

#include "core/run_state.h"
#include "core/settings.h"

// The ADPCM word being filled; it runs on across blocks.
struct AssemblerState {
  uint32_t bits = 0;
  int16_t nibbles = 0;  // codes in bits
};

void write_asm_header(const RunSettings& s, RunState& run);
void write_asm_block(const RunSettings& s, RunState& run, AssemblerState& word, int count);
