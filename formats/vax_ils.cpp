// VAX-ILS: the 512-byte header, and samples as 16-bit words always most
// significant byte first (-sw and -swo have no effect), one read or write a block.
#include "formats/vax_ils.h"

#include "formats/codecs.h"

void read_vax_header(const RunSettings& s, RunState& run, VaxIlsState& vax) {
  read_header_bytes(run.input, s.inname, vax.header.data(), vax.header.size());
}

void write_vax_header(RunState& run, const VaxIlsState& vax) {
  write_bytes(run.output, vax.header.data(), vax.header.size());
}

int read_vax_block(RunState& run) {
  const int count = static_cast<int>(read_items(run.input, run.inShorts.data(), 2, run.blockSize));
  swap_words(run.inShorts.data(), count);
  return count;
}

void write_vax_block(RunState& run, int count) {
  swap_words(run.outShorts.data(), count);
  write_bytes(run.output, run.outShorts.data(), 2 * static_cast<size_t>(count));
}
