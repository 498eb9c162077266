// A-law (file mode 4): one G.711 A-law byte a sample, on the 13-bit linear scale.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Bytes exchanged in pairs with -sw and bit-reversed with -br before decoding.
int read_alaw_block(const RunSettings& s, RunState& run);
// Encoded bytes, exchanged in pairs with -swo.
void write_alaw_block(const RunSettings& s, RunState& run, int count);
