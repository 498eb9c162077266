// The conversion run between the command line and the report: input, header,
// skip and segment, output name, outputs, the block loop, closing.
#pragma once
#include <string>

#include "conv/run_state.h"
#include "conv/settings.h"

void run_conversion(RunSettings& s, RunState& run);

// Stages of the run, each in its own file.
void open_input(RunSettings& s, RunState& run);
void skip_and_segment(RunSettings& s, RunState& run);
void derive_output_name(RunSettings& s);
void open_outputs(RunSettings& s, RunState& run);
void run_block_loop(const RunSettings& s, RunState& run);
void close_outputs(const RunSettings& s, RunState& run);
// Closes whatever a stopped run left open, without checks.
void release_streams(RunState& run);

// Cuts the name at its last '.', wherever it stands; false when there is none.
bool strip_extension(std::string& name);
