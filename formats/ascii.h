// ASCII sample text (file mode 0, also standard input and output): one integer
// a token on input, decimal or -xi hexadecimal; one "%d" or "%x" line a sample out.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

int read_ascii_block(const RunSettings& s, RunState& run);
void write_ascii_block(const RunSettings& s, RunState& run, int count);
