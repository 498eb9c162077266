// PCM input (file mode 8): headerless 16-bit words, always most significant
// byte first.
#pragma once
#include "core/run_state.h"

int read_pcm_block(RunState& run);
