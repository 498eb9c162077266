// Speechdat-Car input (file mode 19): headerless unsigned 16-bit words with
// 32768 as silence.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

int read_spdcar_block(const RunSettings& s, RunState& run);
