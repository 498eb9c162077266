// run_conversion: the stages of one conversion in their order. Each stage may
// end the run; the normal end leaves nsample and the statistics for the report.
#include "driver/run.h"

#include "formats/dispatch.h"
#include "formats/user_format.h"
#include "labels/label_file.h"

void run_conversion(RunSettings& s, RunState& run) {
  if (s.labelFile) read_label_file(s, run);
  refuse_inputs_as_outputs(s, false);
  if (s.labelOutFile) write_label_output_file(s, run);
  read_format_descriptions(s, run);
  open_input(s, run);
  read_input_header(s, run);
  skip_and_segment(s, run);
  derive_output_name(s);
  refuse_inputs_as_outputs(s, true);
  open_outputs(s, run);
  write_output_header(s, run);
  run_block_loop(s, run);
  finish_outputs(s, run, true);
}
