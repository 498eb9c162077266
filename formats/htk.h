// HTK waveform input (file mode 20): the 12-byte header gives the sample rate;
// the samples that follow are 16-bit words, read as headerless linear samples.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Reads the header, sets rate and prints it.
void read_htk_header(RunSettings& s, RunState& run);
