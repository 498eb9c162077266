// Float ASCII: values scanned as fscanf's "%f" does, written as printf's "%g"
// does, both by the project's fast routines proven identical to the C library.
#include "formats/float_ascii.h"

#include <cstdio>

#include "core/float_scan.h"
#include "core/stop.h"
#include "core/text_block.h"

int read_float_ascii_block(const RunSettings& s, RunState& run) {
  size_t count = 0;
  while (count < run.blockSize) {
    const int stored = scan_float(run.input.file, run.floatBlock[count]);
    check_read(run.input);
    if (stored == EOF) break;
    if (stored < 1) stop_unrecognizable(s.inname, run.valueCounter);
    ++run.valueCounter;
    ++count;
  }
  return static_cast<int>(count);
}

void write_float_ascii_block(RunState& run, int count) {
  TextBlock text{run.output};
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) text_general_line(text, run.floatBlock[i]);
  text_flush(text);
}
