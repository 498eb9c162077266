// mu-law hex (file mode 15): named, but there is no mu-law codec; the first
// value read or written ends the run.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// An empty input gives 0; the first value stops the run in the codec stub.
int read_mulaw_hex_block(const RunSettings& s, RunState& run);
void write_mulaw_hex_block(RunState& run, int count);
