// Gradient (file mode 3): headerless 16-bit samples, least significant byte
// first; the 16-bit samples of NIST, HTK and MS-wav inputs are read the same way.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// At most `most` samples (a block, or what is left of an MS-wav data chunk),
// most significant byte first when `swap`.
int read_linear16_block(RunState& run, size_t most, bool swap);
void write_linear16_block(const RunSettings& s, RunState& run, int count);
