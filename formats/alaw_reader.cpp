// A-law binary input: one byte a sample, optionally exchanged in pairs (-sw) and
// bit-reversed (-br) before decoding to the 13-bit linear scale.
#include <utility>

#include "formats/codecs.h"
#include "formats/readers.h"

int read_alaw_block(const RunSettings& s, RunState& run) {
  auto& bytes = run.inBytes;
  const int count = static_cast<int>(read_items(run.input, bytes.data(), 1, BUFSIZE));
  // With an odd count the last byte has no partner and stays.
  if (s.swapInput)
    for (int i = 0; i + 1 < count; i += 2) std::swap(bytes[i], bytes[i + 1]);
  if (s.bitReverse)
    for (int i = 0; i < count; ++i) bytes[i] = bit_reverse8(bytes[i]);
  for (int i = 0; i < count; ++i) run.inShorts[i] = alawDecodeTable[bytes[i]];
  return count;
}
