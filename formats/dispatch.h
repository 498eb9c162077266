// The per-mode dispatch of the run: one switch over the file mode for each of
// reading a block, writing a block, and the header steps of input and output.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"

// Fills up to BUFSIZE entries of the input mode's sample array; returns the count.
int read_block(const RunSettings& s, RunState& run);
// Writes `count` samples of the block in the output mode.
void write_block(const RunSettings& s, RunState& run, int count);
// The input mode's header step, right after the input was opened.
void read_input_header(RunSettings& s, RunState& run);
// What the output mode puts in front of the samples, right after opening.
void write_output_header(const RunSettings& s, RunState& run);
// Makes the output header agree with what was written, before the output closes.
void finish_output_header(const RunSettings& s, RunState& run, bool checked);
