// The switches over the file mode that connect the run to the formats, and the
// state the formats carry through a run, each part owned by its format.
#pragma once
#include "core/run_state.h"
#include "core/settings.h"
#include "formats/alaw_hex.h"
#include "formats/assembler.h"
#include "formats/nist.h"
#include "formats/user_format.h"
#include "formats/vax_ils.h"
#include "formats/wav.h"

struct FormatStates {
  VaxIlsState vaxIls;
  NistState nist;
  WavState wav;
  AlawHexState alawHex;
  AssemblerState assembler;
  UserFormatState user;
};

// One block of the input mode into the run's sample arrays; the count read.
int read_block(const RunSettings& s, RunState& run);
// One block of outShorts (or floatBlock) in the output mode.
void write_block(const RunSettings& s, RunState& run, FormatStates& formats, int count);
// The input mode's header step: leaves the input at the first sample and the
// input's description in the run state.
void read_input_header(RunSettings& s, RunState& run, FormatStates& formats);
// What the output mode puts in front of the samples, right after opening.
void write_output_header(const RunSettings& s, RunState& run, FormatStates& formats);
// How an output's bytes divide into whole values: a header of headerBytes, then
// values of valueBytes each; valueBytes 0 is text, whole up to its last line end.
struct OutputUnits {
  int64_t headerBytes = 0;
  int64_t valueBytes = 0;
};
OutputUnits output_units(const RunSettings& s, const FormatStates& formats);
// Ends the run, before any output exists, when the input mode has no reader or
// the output mode no writer for the samples: their messages, exit code 1.
void refuse_modes_without_samples(const RunSettings& s, const FormatStates& formats);
// Makes the output header agree with what was written, before the output closes.
void finish_output_header(const RunSettings& s, RunState& run, const FormatStates& formats, bool checked);
