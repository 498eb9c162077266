// The conversion run between the command line and the report: input, header,
// skip and segment, output name, outputs, the block loop, closing.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/run_state.h"
#include "core/settings.h"
#include "formats/dispatch.h"
#include "labels/label_file.h"

// Everything one conversion owns: the shared run state, and the state each
// format and the label files carry through the run.
struct Conversion {
  RunState run;
  FormatStates formats;
  LabelState labels;
};

void run_conversion(RunSettings& s, Conversion& c);

// Stages of the run, each in its own file.
void open_input(RunSettings& s, RunState& run);
void skip_and_segment(RunSettings& s, RunState& run);
// The sample a time lands on: floor(time x rate + 0.5), held to 64 bits.
int64_t nearest_sample(double time, int32_t rate);
// Ends the run when the input mode cannot be positioned (the text modes).
void refuse_unpositionable(const RunSettings& s);
// Positions the input `samples` samples (all channels) after the end of its
// header, from a pipe by reading forward.
void position_after_header(const RunSettings& s, RunState& run, int64_t samples);
// Every labelled segment of the label file into its own output ("-split").
void run_split(RunSettings& s, Conversion& c);
void derive_output_name(RunSettings& s);
// Opens every output as one step: each without truncation, checked by its
// descriptor against the inputs, the other outputs and standard output, then
// truncated; writes the "-lfo" file last. A refusal leaves every file as it was.
void open_outputs(RunSettings& s, RunState& run, const LabelState& labels);
// One more output (the "-LF" file at the end, the "-manifest" file), opened,
// checked against the inputs and truncated the same way. The "-LF" file may be
// the "-LI" file it read.
OutStream open_single_output(const RunSettings& s, const RunState& run, const std::string& name);
// Refuses, before any output exists, output names that are inputs or that name
// one file twice (the same name, other spellings of it, links).
void refuse_output_names(const RunSettings& s, const RunState& run, const std::vector<std::string>& names);
// Refuses standard output that is one of the inputs, before anything is printed.
void refuse_stdout_as_input(const RunSettings& s, const RunState& run);
void run_block_loop(const RunSettings& s, RunState& run, FormatStates& formats);
// The one end of every output: flushed, cut back to whole values after a
// failure, MS-wav lengths made final, closed. `checked` at the normal end
// (errors end the run); after a stop or an interruption as far as it goes,
// keeping the run's exit code.
void finish_outputs(const RunSettings& s, RunState& run, const FormatStates& formats, bool checked);
void release_input(RunState& run);

// Cuts the name at its last '.' after its last '/'; false when there is none.
bool strip_extension(std::string& name);
// ".voc" is a bare extension; "./x.voc" and "../x.wav" are paths.
bool is_bare_extension(const std::string& name);
// The output name when it is a bare extension (".wav"): the input's name with
// the output mode's extension. Nothing when the rule does not apply or the mode
// has no extension.
std::optional<std::string> name_from_input(const RunSettings& s);
// The file of channel k of a multi channel output: <stem>_c<k>.voc.
std::string channel_file_name(std::string outname, int k);
