// run_conversion: the stages of one conversion in their order. Every refusal
// comes before the output stage; the normal end leaves nsample and the
// statistics for the report.
#include "driver/run.h"

#include "core/interrupt.h"

void run_conversion(RunSettings& s, Conversion& c) {
  if (s.labelFile) read_label_file(s, c.labels);
  read_format_descriptions(s, c.formats.user);
  open_input(s, c.run);
  read_input_header(s, c.run, c.formats);
  refuse_modes_without_samples(s, c.formats);
  c.run.headerEnd = c.run.input.position;
  c.run.blockSize = static_cast<size_t>(BUFSIZE / s.channels * s.channels);
  skip_and_segment(s, c.run);
  derive_output_name(s);
  open_outputs(s, c.run, c.labels);
  write_output_header(s, c.run, c.formats);
  run_block_loop(s, c.run, c.formats);
  check_interrupt();  // a signal after the last block ends the run the same way
  finish_outputs(s, c.run, c.formats, true);
}
