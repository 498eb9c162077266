// VAX-ILS samples: 16-bit words, always most significant byte first, written
// behind the 512-byte header with one write a block.
#include "formats/block_writers.h"
#include "formats/codecs.h"

void write_vax_block(const RunSettings&, RunState& run, int count) {
  for (int i = 0; i < count; ++i) run.outShorts[i] = swap16(run.outShorts[i]);
  write_bytes(run.output, run.outShorts.data(), 2 * static_cast<size_t>(count));
}
