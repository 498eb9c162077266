// A-law binary samples: one byte a sample, one read or write a block; with an
// odd count the last byte has no partner for the pair exchange and stays.
#include "formats/alaw.h"

#include "formats/codecs.h"

int read_alaw_block(const RunSettings& s, RunState& run) {
  auto& bytes = run.inBytes;
  const int count = static_cast<int>(read_items(run.input, bytes.data(), 1, run.blockSize));
  if (s.swapInput) swap_byte_pairs(bytes.data(), count);
  if (s.bitReverse)
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) bytes[i] = bit_reverse8(bytes[i]);
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) run.inShorts[i] = alawDecodeTable[bytes[i]];
  return count;
}

void write_alaw_block(const RunSettings& s, RunState& run, int count) {
  alaw_encode_block(run.outShorts.data(), run.outBytes.data(), count);
  if (s.swapOutput) swap_byte_pairs(run.outBytes.data(), count);
  write_bytes(run.output, run.outBytes.data(), static_cast<size_t>(count));
}
