// Multi channel (file mode 22, output only): one headerless 16-bit file per
// channel, <stem>_c<k>.voc, opened by the run.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Splits the interleaved block into channelStreams; a block that does not hold
// whole frames ends the run.
void write_multi_channel_block(const RunSettings& s, RunState& run, int count);
