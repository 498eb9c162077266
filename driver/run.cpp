// run_conversion: the stages of one conversion in their order. Every refusal
// comes before the output stage; the normal end leaves nsample and the
// statistics for the report.
#include "driver/run.h"

#include <cstdio>

#include "core/interrupt.h"
#include "core/stop.h"

// A start time (from "-at" or a label file) at or after the end of the input
// cut nothing: said on standard error, exit code 1, the output left as written.
static void refuse_start_after_end(const RunSettings& s, const RunState& run) {
  if (s.startTime <= 0 || run.nsample != 0) return;
  fflush(stdout);
  fprintf(stderr, "start time %g is after the end of the input\n", s.startTime);
  stop_run(1);
}

void run_conversion(RunSettings& s, Conversion& c) {
  if (s.labelFile) read_label_file(s, c.labels);
  read_format_descriptions(s, c.formats.user);
  open_input(s, c.run);
  read_input_header(s, c.run, c.formats);
  refuse_modes_without_samples(s, c.formats);
  if (s.split) return run_split(s, c);
  skip_and_segment(s, c.run);
  derive_output_name(s);
  open_outputs(s, c.run, c.labels);
  write_output_header(s, c.run, c.formats);
  run_block_loop(s, c.run, c.formats);
  check_interrupt();  // a signal after the last block ends the run the same way
  finish_outputs(s, c.run, c.formats, true);
  refuse_start_after_end(s, c.run);
}
