// Float ASCII (file mode 7): one floating-point number a token on input ("%f"),
// one "%g" line a sample on output, with the fractions mean and scale leave.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Fills floatBlock.
int read_float_ascii_block(const RunSettings& s, RunState& run);
void write_float_ascii_block(RunState& run, int count);
