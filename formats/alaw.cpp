// A-law binary samples: one byte a sample, one read or write a block; with an
// odd count the last byte has no partner for the pair exchange and stays.
#include "formats/alaw.h"

#include "formats/codecs.h"
#include "formats/coding.h"

int read_alaw_block(const RunSettings& s, RunState& run) {
  return read_byte_samples(run, run.blockSize, s.swapInput, s.bitReverse, alawDecodeTable);
}

void write_alaw_block(const RunSettings& s, RunState& run, int count) {
  alaw_encode_block(run.outShorts.data(), run.outBytes.data(), count);
  if (s.swapOutput) swap_byte_pairs(run.outBytes.data(), count);
  write_bytes(run.output, run.outBytes.data(), static_cast<size_t>(count));
}
