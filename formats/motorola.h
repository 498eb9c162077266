// MOTOROLA (file mode 21): decimal integers with leading zeros as text, one
// token a value. Input only: as output the first block ends the run.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

int read_motorola_block(const RunSettings& s, RunState& run);
