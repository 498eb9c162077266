// HTK waveform input (file mode 20): the 12-byte header gives the sample rate
// and the byte order of the 16-bit words that follow.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Reads the header, sets rate and prints it, and describes the samples' byte
// order; a parameter kind other than WAVEFORM is refused.
void read_htk_header(RunSettings& s, RunState& run);
