// The conversion run between the command line and the report: input, header,
// skip and segment, output name, outputs, the block loop, closing.
#pragma once
#include <optional>
#include <string>

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
void derive_output_name(RunSettings& s);
// Opens every output as one step: each without truncation, checked by its
// descriptor against the inputs, the other outputs and standard output, then
// truncated; writes the "-lfo" file last. A refusal leaves every file as it was.
void open_outputs(RunSettings& s, RunState& run, const LabelState& labels);
// The "-LF" file at the end of the run, opened, checked and truncated the same way.
OutStream open_length_file(const RunSettings& s, const RunState& run);
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
