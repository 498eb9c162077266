// Headerless 16-bit linear samples, least significant byte first, or most
// significant first with -sw on input and -swo on output. One read or write a block.
#include "formats/gradient.h"

#include "formats/codecs.h"

int read_linear16_block(RunState& run, size_t most, bool swap) {
  const int count = static_cast<int>(read_items(run.input, run.inShorts.data(), 2, most));
  if (swap) swap_words(run.inShorts.data(), count);
  return count;
}

void write_linear16_block(const RunSettings& s, RunState& run, int count) {
  if (s.swapOutput) swap_words(run.outShorts.data(), count);
  write_bytes(run.output, run.outShorts.data(), 2 * static_cast<size_t>(count));
}
