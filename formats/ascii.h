// The formats that need no format code of their own: ASCII text (modes 0, 16,
// 17) and headerless 16-bit linear samples (mode 3, also NIST and HTK data).
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

int read_ascii_block(const RunSettings& s, RunState& run);
void write_ascii_block(const RunSettings& s, RunState& run, int count);
int read_linear16_block(const RunSettings& s, RunState& run);
void write_linear16_block(const RunSettings& s, RunState& run, int count);
