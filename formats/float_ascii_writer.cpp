// Float ASCII output (mode 7): one floating-point sample a line, as "%g"
// prints it, with the fractions that mean, scale and clipping left.
#include "formats/block_writers.h"
#include "core/text_block.h"

void write_float_ascii_block(const RunSettings&, RunState& run, int count) {
  TextBlock text{run.output};
  for (int i = 0; i < count; ++i) text_general_line(text, run.floatBlock[i]);
  text_flush(text);
}
