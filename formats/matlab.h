// matlab input (file mode 12): the 20-byte matrix header of a level-4 MAT-file
// is shown; there is no reader for the samples.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Reads and prints the five header numbers.
void read_matlab_header(const RunSettings& s, RunState& run);
