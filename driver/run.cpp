// run_conversion: the stages of one conversion in their order. Each stage may
// end the run; the normal end leaves nsample and the statistics for the report.
#include "driver/run.h"

void run_conversion(RunSettings& s, Conversion& c) {
  if (s.labelFile) read_label_file(s, c.labels);
  refuse_inputs_as_outputs(s, false);
  if (s.labelOutFile) write_label_output_file(s, c.labels);
  read_format_descriptions(s, c.formats.user);
  open_input(s, c.run);
  read_input_header(s, c.run, c.formats);
  c.run.blockSize = static_cast<size_t>(BUFSIZE / s.channels * s.channels);
  skip_and_segment(s, c.run);
  derive_output_name(s);
  refuse_inputs_as_outputs(s, true);
  open_outputs(s, c.run, c.formats.user);
  write_output_header(s, c.run, c.formats);
  run_block_loop(s, c.run, c.formats);
  finish_outputs(s, c.run, c.formats, true);
}
